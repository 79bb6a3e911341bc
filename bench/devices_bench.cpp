// The device store against the SQLite library used directly:
//   BM_CreateDevice   createDevice with its notice (a window-message endpoint,
//                     no listeners), in a new database file
//   BM_CreateDeviceSilent  the same without an endpoint
//   BM_RawInsert      one prepared INSERT of the same row into the same schema,
//                     in a file beside it
//   BM_CreateDeviceThenRawInsert  one of each per iteration, timed apart
//   BM_DeviceAt       deviceAt over a store of 200 devices, one position per
//                     iteration; BM_DeviceAtAll reads all 200
// and prints createDevice / raw insert as ratios (target at most 1.3); the
// side-by-side one is the least disturbed by other load on the machine.
#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "ipc/kavoipc.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace TransferDevicesLibrary;

namespace {

QTemporaryDir *g_root = nullptr;
TransferDevices *g_store = nullptr;

// A store over a new file in its own data folder below the run's temporary
// folder (each repetition starts from an empty table).
TransferDevices *freshStore(
    const char *folder, TransferDevices::EndpointFactory endpoint = &CreateWindowMessageIPC)
{
    delete g_store;
    const QString data = g_root->filePath(QString::fromLatin1(folder));
    QDir(data).removeRecursively();
    QDir().mkpath(data);
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    g_store = TransferDevices::instance("kavo-bench", endpoint);
    return g_store;
}

void createDevices(benchmark::State &state, TransferDevices *store)
{
    int n = 0;
    for (auto _ : state) {
        std::unique_ptr<TransferDevice> device(
            store->createDevice(n % 4, "Bench device " + std::to_string(n)));
        if (!device) {
            state.SkipWithError("createDevice failed");
            break;
        }
        ++n;
    }
}

void BM_CreateDevice(benchmark::State &state)
{
    createDevices(state, freshStore("create"));
}

// The same without an endpoint: what the notice costs.
void BM_CreateDeviceSilent(benchmark::State &state)
{
    createDevices(state, freshStore("silent", nullptr));
}

const char *const RawSchema[] = {
    "PRAGMA auto_vacuum = full",
    "PRAGMA temp_store = MEMORY",
    "CREATE TABLE IF NOT EXISTS schema_data (version INTEGER NOT NULL DEFAULT 0,"
    " initialized INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS device (device_id INTEGER PRIMARY KEY NOT NULL, name TEXT NOT NULL,"
    " has_been_configured INTEGER NOT NULL DEFAULT 0, type INTEGER NOT NULL, profile INTEGER NOT NULL,"
    " last_used_method INTEGER, lumo_registration_state INTEGER,"
    " prompt_for_lumo_registration INTEGER NOT NULL DEFAULT 1,"
    " data_rate_of_last_used_drive INTEGER NOT NULL DEFAULT 0, last_used_drive_name TEXT)",
};

// The device table written through the SQLite library directly.
class RawTable
{
public:
    explicit RawTable(const char *folderName)
    {
        const QString folder = g_root->filePath(QString::fromLatin1(folderName));
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        if (sqlite3_open((folder + QStringLiteral("/Devices")).toUtf8().constData(), &m_db) != SQLITE_OK)
            return;
        sqlite3_busy_timeout(m_db, 120000);
        for (const char *statement : RawSchema)
            sqlite3_exec(m_db, statement, nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(m_db,
            "INSERT INTO device (device_id, name, has_been_configured, type, profile,"
            " last_used_method, lumo_registration_state, prompt_for_lumo_registration,"
            " data_rate_of_last_used_drive, last_used_drive_name)"
            " VALUES (?, ?, 0, ?, 0, 0, 0, 1, 0, '')",
            -1, &m_insert, nullptr);
    }
    ~RawTable()
    {
        sqlite3_finalize(m_insert);
        sqlite3_close(m_db);
    }

    bool insert()
    {
        if (!m_insert)
            return false;
        const std::string name = "Bench device " + std::to_string(m_n);
        sqlite3_bind_int(m_insert, 1, 10000 + m_n);
        sqlite3_bind_text(m_insert, 2, name.c_str(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(m_insert, 3, m_n % 4);
        const bool ok = sqlite3_step(m_insert) == SQLITE_DONE;
        sqlite3_reset(m_insert);
        ++m_n;
        return ok;
    }

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_insert = nullptr;
    int m_n = 0;
};

void BM_RawInsert(benchmark::State &state)
{
    RawTable raw("raw");
    for (auto _ : state) {
        if (!raw.insert()) {
            state.SkipWithError("insert failed");
            break;
        }
    }
}

// Both in one loop, one after the other, so that both see the same load on
// a shared machine and disk; the counters hold the mean of each.
void BM_CreateDeviceThenRawInsert(benchmark::State &state)
{
    TransferDevices *store = freshStore("pair");
    RawTable raw("pairraw");
    double storeSeconds = 0;
    double rawSeconds = 0;
    int n = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        std::unique_ptr<TransferDevice> device(
            store->createDevice(n % 4, "Bench device " + std::to_string(n)));
        const auto t1 = std::chrono::steady_clock::now();
        const bool inserted = raw.insert();
        const auto t2 = std::chrono::steady_clock::now();
        if (!device || !inserted) {
            state.SkipWithError("write failed");
            break;
        }
        storeSeconds += std::chrono::duration<double>(t1 - t0).count();
        rawSeconds += std::chrono::duration<double>(t2 - t1).count();
        ++n;
    }
    if (n) {
        state.counters["createDevice_us"] = storeSeconds / n * 1e6;
        state.counters["raw_us"] = rawSeconds / n * 1e6;
        state.counters["ratio"] = storeSeconds / rawSeconds;
    }
}

TransferDevices *storeOf200()
{
    static bool filled = false;
    if (!filled) {
        filled = true;
        TransferDevices *store = freshStore("deviceat");
        for (int i = 0; i < 200; ++i)
            delete store->createDevice(i % 4, "Device " + std::to_string(i));
    }
    return g_store;
}

void BM_DeviceAt(benchmark::State &state)
{
    TransferDevices *store = storeOf200();
    if (store->count() != 200) {
        state.SkipWithError("store not filled");
        return;
    }
    unsigned index = 0;
    for (auto _ : state) {
        std::unique_ptr<TransferDevice> device(store->deviceAt(index));
        benchmark::DoNotOptimize(device.get());
        index = (index + 1) % 200;
    }
}

void BM_DeviceAtAll(benchmark::State &state)
{
    TransferDevices *store = storeOf200();
    for (auto _ : state) {
        for (unsigned index = 0; index < 200; ++index) {
            std::unique_ptr<TransferDevice> device(store->deviceAt(index));
            benchmark::DoNotOptimize(device.get());
        }
    }
}

// Each write waits for the disk, so a fixed count keeps the run short; the
// disk is shared, so the ratio is taken from medians of repetitions.
BENCHMARK(BM_CreateDevice)->Iterations(100)->Repetitions(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateDeviceSilent)->Iterations(100)->Repetitions(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawInsert)->Iterations(100)->Repetitions(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateDeviceThenRawInsert)->Iterations(100)->Repetitions(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeviceAt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeviceAtAll)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const std::string &name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                realTime[name] = run.GetAdjustedRealTime();
                cpuTime[name] = run.GetAdjustedCPUTime();
                auto ratio = run.counters.find("ratio");
                if (ratio != run.counters.end())
                    pairedRatio = ratio->second.value;
            }
        }
    }
    std::map<std::string, double> realTime;
    std::map<std::string, double> cpuTime;
    double pairedRatio = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/kavo-devices-bench-XXXXXX"));
    if (!root.isValid())
        return 1;
    g_root = &root;
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toLocal8Bit());

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.pairedRatio > 0)
        std::printf("createDevice / raw sqlite3 insert, side by side (median of repetitions): %.2f"
                    " (target at most 1.3)\n",
            reporter.pairedRatio);
    for (auto *times : { &reporter.realTime, &reporter.cpuTime }) {
        const double store = (*times)["BM_CreateDevice"];
        const double silent = (*times)["BM_CreateDeviceSilent"];
        const double raw = (*times)["BM_RawInsert"];
        if (store > 0 && raw > 0)
            std::printf("createDevice / raw sqlite3 insert, median %s time: %.2f (target at most 1.3);"
                        " without the notice %.2f\n",
                times == &reporter.realTime ? "real" : "CPU", store / raw, silent / raw);
    }
    delete g_store;
    benchmark::Shutdown();
    return 0;
}
