// The cost of the shell's own work per tick: one headless tick of a start-up screen, and
// the state hash and dump the harness takes.
#include <benchmark/benchmark.h>

#include <string>

#include "app/frame.h"
#include "app/startup.h"
#include "platform/audio.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/state_dump.h"

namespace {

void headlessGame() {
    std::string error;
    windowOpen("TORVEL ARENA", 600, 450, true, error);
    audioSetOutputEnabled(false);
    frameControl.pace = false;
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

} // namespace

BENCHMARK_MAIN();
