// The pane with 200 stored devices: setting it up (what the first click on
// "Kavo To Go" costs), and deleting one device, which rebuilds the grid.
// Target: each under 150 ms.
#include "bench/benchenvironment.h"
#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "pane/devicepane.h"
#include "settings/settingsholder.h"
#include "tests/pane/fakehost.h"
#include "widgets/transferdevicewidget.h"
#include "zrt/osutilities.h"
#include "zrt/zrttoolbarbutton.h"

#include <QApplication>
#include <QGridLayout>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using TransferDevicesLibrary::TransferDevice;
using TransferDevicesLibrary::TransferDevices;

namespace {

constexpr int deviceCount = 200;

TransferDevices *storeWithDevices()
{
    TransferDevices *store = TransferDevices::instance(Zarnet::OSUtilities::getComponentIdUTF8());
    while (store->count() < deviceCount)
        std::unique_ptr<TransferDevice>(store->createDevice(2, "Device " + std::to_string(store->count())));
    return store;
}

Zarnet::TransferDeviceWidget *firstButton(Zarnet::ZRTToolBarButton &button)
{
    QWidget *contents = button.popup()->findChild<QWidget *>(QStringLiteral("DeviceScrollWidgetContents"));
    auto *grid = qobject_cast<QGridLayout *>(contents->layout());
    return qobject_cast<Zarnet::TransferDeviceWidget *>(grid->itemAtPosition(0, 0)->widget());
}

void BM_PaneInitialisation(benchmark::State &state)
{
    storeWithDevices();
    FakeHost host;
    for (auto _ : state) {
        Zarnet::ZRTToolBarButton button;
        auto *pane = new Zarnet::DevicePane(&host);
        pane->setupToolBarItem(QStringLiteral("ShowDeviceMenu"), &button);
        state.PauseTiming();
        QCoreApplication::processEvents();
        static_cast<Orbe::Plugin *>(pane)->release();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PaneInitialisation)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_DeleteAndRebuild(benchmark::State &state)
{
    TransferDevices *store = storeWithDevices();
    kvds::SettingsHolder settings(&Zarnet::OSUtilities::getComponentIdUTF8);
    settings.WriteBoolSetting("General", "TransferDevicesConfirmDeletions", false);
    FakeHost host;
    Zarnet::ZRTToolBarButton button;
    auto *pane = new Zarnet::DevicePane(&host);
    pane->setupToolBarItem(QStringLiteral("ShowDeviceMenu"), &button);
    for (auto _ : state) {
        pane->deleteDevice(firstButton(button), true);
        state.PauseTiming();
        QCoreApplication::processEvents();
        std::unique_ptr<TransferDevice>(store->createDevice(1, "Refill"));
        pane->syncWidgetsToTransferDevices(false);
        state.ResumeTiming();
    }
    static_cast<Orbe::Plugin *>(pane)->release();
}
BENCHMARK(BM_DeleteAndRebuild)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    useBenchEnvironment(home);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
