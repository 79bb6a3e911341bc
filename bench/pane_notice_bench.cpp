// Two players of one user, both with the default component id: the time from
// a device added in one (through its pane's add dialog) to the other's pane
// showing its button. Goal: under 1 s.
#include "bench/benchchild.h"
#include "bench/benchenvironment.h"
#include "tests/pane/panetestsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

BenchChild g_peer { -1, -1 };

int shownDevices(PaneHarness &harness)
{
    QWidget *contents
        = harness.showButton.popup()->findChild<QWidget *>(QStringLiteral("DeviceScrollWidgetContents"));
    auto *grid = contents ? qobject_cast<QGridLayout *>(contents->layout()) : nullptr;
    return grid ? grid->count() : 0;
}

// The other player: adds one device through its pane for every byte on stdin.
int RunPeer(QApplication &app)
{
    PaneHarness harness;
    harness.setUp();
    int added = 0;
    const ScriptedRunner::Answer add = [&added](QDialog &dialog) {
        auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("DeviceNameInput"));
        name->setText(QStringLiteral("Bench %1").arg(++added));
        Answers::confirm(dialog);
    };
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char request;
        if (read(STDIN_FILENO, &request, 1) != 1) {
            app.quit();
            return;
        }
        harness.runner.answer(add);
        harness.pane->addDeviceButtonClicked();
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

void BM_AddInOnePlayerShowsInTheOther(benchmark::State &state)
{
    PaneHarness harness;
    harness.setUp();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        const int before = shownDevices(harness);
        QElapsedTimer clock;
        clock.start();
        if (write(g_peer.stdinFd, "a", 1) != 1) {
            state.SkipWithError("the other player is gone");
            break;
        }
        while (shownDevices(harness) == before && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (shownDevices(harness) == before) {
            state.SkipWithError("the add never showed");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_AddInOnePlayerShowsInTheOther)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::string(argv[1]) == "peer") {
        // Paths come from the benchmark that started this copy.
        QApplication app(argc, argv);
        // Its add dialog is its only window: closing it must not end it.
        app.setQuitOnLastWindowClosed(false);
        return RunPeer(app);
    }
    QTemporaryDir home;
    useBenchEnvironment(home);
    qunsetenv("KAVO_COMPONENT_ID");
    g_peer = SpawnSelf({ "peer" }, true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    FinishChild(g_peer);
    return 0;
}
