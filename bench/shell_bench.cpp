// The cost of the shell's own work per tick: one headless tick of a start-up screen, the
// state hash and dump the harness takes, and a saved state's save plus load (the step
// rollback and the sync test take on every tick).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/frame.h"
#include "app/startup.h"
#include "platform/audio.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/run_mode.h"
#include "shell/saved_state.h"
#include "shell/state_dump.h"

namespace {

void headlessGame() {
    std::string error;
    windowOpen("TORVEL ARENA", 600, 450, true, error);
    audioSetOutputEnabled(false);
    runMode.pace = false;
    gs = {};
    formCreate(1);
}

void HeadlessStartupTick(benchmark::State& state) {
    headlessGame();
    for (auto _ : state) DXTimer1Timer();
}
BENCHMARK(HeadlessStartupTick);

void StateHash(benchmark::State& state) {
    headlessGame();
    for (auto _ : state) benchmark::DoNotOptimize(stateHash());
}
BENCHMARK(StateHash);

void StateDump(benchmark::State& state) {
    headlessGame();
    for (auto _ : state) benchmark::DoNotOptimize(stateDumpJson(1));
}
BENCHMARK(StateDump);

void SaveAndLoadState(benchmark::State& state) {
    headlessGame();
    auto saved = std::make_unique<SavedState>();
    for (auto _ : state) {
        saveState(*saved);
        benchmark::ClobberMemory();
        loadState(*saved);
        benchmark::ClobberMemory();
    }
    state.counters["bytes"] = sizeof(SavedState);
}
BENCHMARK(SaveAndLoadState);

} // namespace

BENCHMARK_MAIN();
