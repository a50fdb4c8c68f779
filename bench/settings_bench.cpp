// The settings store's costs on a warm store, and a first start's defaults as a whole command.
//
//   build/bin/settings_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/MessageSink.h"
#include "settings/LoaderSteps.h"
#include "settings/SettingsSchema.h"
#include "settings/SqliteSettingsStore.h"
#include "settings/basINIRegistry.h"

extern char** environ;

namespace corvane {
namespace {

class Folder {
public:
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvane-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path_ = pattern;
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    std::string File(const char* name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A store with every default, as after the program's first start.
struct WarmStore {
    WarmStore() : store(SqliteSettingsStore::Open(folder.File("settings.db")).store), registry(*store, messages) {
        for (int program = 0; program < kProgramCount; ++program) {
            EnsureProgram(registry, program);
        }
        PreviewTables preview;
        CheckMissingValues(registry, preview);
    }
    Folder folder;
    std::unique_ptr<SqliteSettingsStore> store;
    RecordingMessageSink messages;
    basINIRegistry registry;
};

const std::string kPhaseKey = KeyPath(SettingsKey::ProgramPhase, 3, 2);

void BM_GetRegValue(benchmark::State& state) {
    WarmStore warm;
    for (auto _ : state) {
        benchmark::DoNotOptimize(warm.registry.GetRegValue(HKEY_LOCAL_MACHINE, kPhaseKey, "4"));
    }
}
BENCHMARK(BM_GetRegValue);

void BM_RegValueExists(benchmark::State& state) {
    WarmStore warm;
    for (auto _ : state) {
        benchmark::DoNotOptimize(warm.registry.RegValueExists(HKEY_LOCAL_MACHINE, kPhaseKey, "4"));
    }
}
BENCHMARK(BM_RegValueExists);

// Each write is a durable commit of its own.
void BM_SetRegValue(benchmark::State& state) {
    WarmStore warm;
    int i = 0;
    for (auto _ : state) {
        warm.registry.SetRegValue(HKEY_LOCAL_MACHINE, kPhaseKey, "4", (++i % 2) ? "2" : "3");
    }
}
BENCHMARK(BM_SetRegValue);

// `corvane-settings init` on an empty store, start to exit.
void BM_InitCommandOnEmptyStore(benchmark::State& state) {
    Folder folder;
    const std::string store = folder.File("settings.db");
    const char* argv[] = {CORVANE_SETTINGS_BINARY, "--store", store.c_str(), "init", nullptr};
    for (auto _ : state) {
        state.PauseTiming();
        for (const char* suffix : {"", "-wal", "-shm"}) {
            std::filesystem::remove(store + suffix);
        }
        state.ResumeTiming();
        pid_t child = 0;
        if (posix_spawn(&child, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
            state.SkipWithError("cannot start corvane-settings");
            break;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("corvane-settings init failed");
            break;
        }
    }
}
BENCHMARK(BM_InitCommandOnEmptyStore)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
