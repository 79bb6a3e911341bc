// ReadBoolSetting with a warm holder against the plainest read of the same
// value: one prepared sqlite3 point query on the same hive file.
#include "settings/settingsholder.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

const char *const Section = "General";
const char *const Key = "TransferDevicesConfirmDeletions";

std::string benchComponent()
{
    return "Bench";
}

std::string g_dir;

kvds::SettingsHolder &holder()
{
    static kvds::SettingsHolder h(&benchComponent);
    return h;
}

// The hive's match key for an ASCII name: upper case, UTF-16 big-endian.
std::string foldBlob(const std::string &name)
{
    std::string out;
    for (char c : name) {
        out.push_back('\0');
        out.push_back(static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    }
    return out;
}

void BM_ReadBoolSetting(benchmark::State &state)
{
    holder().ReadBoolSetting(true, Section, Key); // warm: keys open, section cached
    for (auto _ : state)
        benchmark::DoNotOptimize(holder().ReadBoolSetting(true, Section, Key));
}

void BM_RawSqlitePointQuery(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2((g_dir + "/user.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        state.SkipWithError("cannot open the hive");
        return;
    }
    // Find the section's key row once, as a hand-written reader would.
    sqlite3_stmt *find = nullptr;
    sqlite3_prepare_v2(db, "SELECT id FROM keys WHERE parent = ?1 AND fold = ?2", -1, &find, nullptr);
    sqlite3_int64 id = 1;
    for (const char *segment : { "SOFTWARE", "Kavo", "Settings", "Bench", "General" }) {
        const std::string fold = foldBlob(segment);
        sqlite3_bind_int64(find, 1, id);
        sqlite3_bind_blob(find, 2, fold.data(), static_cast<int>(fold.size()), SQLITE_TRANSIENT);
        id = sqlite3_step(find) == SQLITE_ROW ? sqlite3_column_int64(find, 0) : -1;
        sqlite3_reset(find);
    }
    sqlite3_finalize(find);
    sqlite3_stmt *query = nullptr;
    sqlite3_prepare_v3(db, "SELECT type, data FROM vals WHERE key = ?1 AND fold = ?2", -1,
        SQLITE_PREPARE_PERSISTENT, &query, nullptr);
    const std::string fold = foldBlob(Key);
    bool last = true;
    for (auto _ : state) {
        sqlite3_bind_int64(query, 1, id);
        sqlite3_bind_blob(query, 2, fold.data(), static_cast<int>(fold.size()), SQLITE_STATIC);
        if (sqlite3_step(query) == SQLITE_ROW && sqlite3_column_int(query, 0) == 4
            && sqlite3_column_bytes(query, 1) == 4)
            last = static_cast<const unsigned char *>(sqlite3_column_blob(query, 1))[0] != 0;
        sqlite3_reset(query);
        benchmark::DoNotOptimize(last);
    }
    if (last)
        state.SkipWithError("the raw query did not find the stored false");
    sqlite3_finalize(query);
    sqlite3_close(db);
}

BENCHMARK(BM_ReadBoolSetting);
BENCHMARK(BM_RawSqlitePointQuery);

// Keeps the time per iteration of each run, to print the ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.iterations > 0 && run.run_type == Run::RT_Iteration)
                perIteration[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> perIteration;
};

} // namespace

int main(int argc, char **argv)
{
    char pattern[] = "/tmp/kavo-bench-settings-XXXXXX";
    if (!mkdtemp(pattern))
        return 1;
    g_dir = pattern;
    setenv("KAVO_USER_HIVE", (g_dir + "/user.db").c_str(), 1);
    setenv("KAVO_MACHINE_HIVE", (g_dir + "/machine.db").c_str(), 1);
    int status = 0;
    if (!holder().WriteBoolSetting(Section, Key, false) || holder().ReadBoolSetting(true, Section, Key)) {
        std::fprintf(stderr, "the settings hive could not be prepared\n");
        status = 1;
    } else {
        benchmark::Initialize(&argc, argv);
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        const double store = reporter.perIteration["BM_ReadBoolSetting"];
        const double raw = reporter.perIteration["BM_RawSqlitePointQuery"];
        if (store > 0 && raw > 0)
            std::printf("ReadBoolSetting / raw sqlite3 point query: %.2f (target at most 3)\n", store / raw);
        benchmark::Shutdown();
    }
    holder().Release();
    std::error_code ignored;
    std::filesystem::remove_all(g_dir, ignored);
    return status;
}
