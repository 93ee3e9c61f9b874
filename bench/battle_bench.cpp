// Headless battle ticks, shown and unshown: a P1 VS P2 battle reached through the start-up
// screens, both fighters walking, running and jumping, and a projectile thrown every 20
// ticks so the pool keeps objects flying.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "app/frame.h"
#include "app/game_rollback.h"
#include "app/key_events.h"
#include "app/net_packets.h"
#include "app/rollback.h"
#include "app/startup.h"
#include "fight/objects.h"
#include "platform/audio.h"
#include "platform/joystick.h"
#include "platform/keys.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/presentation.h"
#include "shell/saved_state.h"

namespace {

void tick() {
    DXTimer1Timer();
}

// Characters 1 and 2, the arena, P1 VS P2, then the versus presentation runs out.
void enterBattle(u8 arena) {
    std::string error;
    windowOpen("TORVEL ARENA", 600, 450, true, error);
    audioSetOutputEnabled(false);
    runMode.pace = false;
    gs = {};
    releaseAllKeys();
    joyUseVirtual(true);
    joyVirtualUnplugAll();
    joyVirtualPlug(0);
    formCreate(1);
    for (u8 key : {u8{'1'}, u8{'2'}, static_cast<u8>('0' + arena), u8{'2'}, u8{'3'}, u8{'2'}}) {
        tick();
        FormKeyDown(key);
        tick();
    }
    for (int i = 0; i < 400 && !(gs.sceneName == "BATALHA" && gs.introTimer == 0); ++i) tick();
}

// Player 1 on the keyboard walks and jumps; player 2 on the joystick runs at them.
void play(long long t) {
    const int phase = static_cast<int>(t % 120);
    setKeyDown(vk::Right, phase < 50);
    setKeyDown(vk::Left, phase >= 60 && phase < 100);
    setKeyDown(vk::Up, phase % 40 == 5);
    setKeyDown('Z', phase % 16 == 3);
    joyVirtualAxis(0, 'x', phase < 60 ? 0 : 65535);
    joyVirtualButton(0, 1, phase % 24 == 7);
    if (t % 20 == 0)
        spawnObject(15, "-", objectWhite, gs.fighter(1).posX, 1.2, gs.fighter(1).posZ, 0.6, 0.6,
                    t % 40 == 0 ? 0 : 180, 1);
}

// The battle in arena `range(0)`, each tick shown or not.
void battleTicks(benchmark::State& state, bool shown) {
    enterBattle(static_cast<u8>(state.range(0)));
    runMode.presenting = shown;
    long long t = 0;
    for (auto _ : state) {
        play(t++);
        tick();
        // A finished round would end the fight; keep both fighters standing.
        gs.fighter(1).life = gs.fighter(2).life = 100;
        gs.roundTime = 60;
    }
    runMode.presenting = true;
    int objects = 0;
    for (const objeto& o : gs.objectPool) objects += o.kind != 0;
    state.counters["objects"] = objects;
    state.counters["ticks/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void HeadlessBattleTick(benchmark::State& state) {
    battleTicks(state, true);
}
BENCHMARK(HeadlessBattleTick)->Arg(1)->Arg(2);

// The same battle with no tick shown: what replays checked headless and re-simulated
// ticks cost.
void UnshownBattleTick(benchmark::State& state) {
    battleTicks(state, false);
}
BENCHMARK(UnshownBattleTick)->Arg(1)->Arg(2);

// The worst frame of online play: the state of eight ticks ago loaded, those eight ticks
// run again unseen (each saving its state first), then one tick shown.
void RollbackWorstFrame(benchmark::State& state) {
    enterBattle(1);
    std::array<std::unique_ptr<SavedState>, 9> ring;
    for (auto& s : ring) s = std::make_unique<SavedState>();
    long long t = 0;
    for (; t < 9; ++t) {
        saveState(*ring[static_cast<std::size_t>(t % 9)]);
        play(t);
        tick();
    }
    for (auto _ : state) {
        runMode.presenting = false;
        loadState(*ring[static_cast<std::size_t>((t - 8) % 9)]);
        for (long long u = t - 8; u < t; ++u) {
            saveState(*ring[static_cast<std::size_t>(u % 9)]);
            play(u);
            tick();
        }
        runMode.presenting = true;
        saveState(*ring[static_cast<std::size_t>(t % 9)]);
        play(t++);
        tick();
        gs.fighter(1).life = gs.fighter(2).life = 100;
        gs.roundTime = 60;
    }
}
BENCHMARK(RollbackWorstFrame);

// The same through online play's rollback core: each frame the peer's input of the tick
// eight back arrives and differs from the prediction, so eight ticks run again unseen
// before the new one runs shown.
void OnlineWorstFrame(benchmark::State& state) {
    enterBattle(1);
    GameRollback game;
    Rollback core(game, 0, 0);
    std::uint16_t word = 0;
    for (int t = 0; t < rollbackWindow; ++t) core.step(static_cast<std::uint16_t>(t % 3));
    int rolledBack = 0;
    for (auto _ : state) {
        word ^= 1u << 3;
        core.addRemote(core.tick() - rollbackWindow, word);
        runMode.presenting = true;
        core.step(static_cast<std::uint16_t>(core.tick() % 5 == 0 ? 1u << 4 : 1u << 3));
        rolledBack = core.lastRolledBack();
        gs.fighter(1).life = gs.fighter(2).life = 100;
        gs.roundTime = 60;
    }
    state.counters["rolled_back"] = rolledBack;
}
BENCHMARK(OnlineWorstFrame);

// The inputs one side sends a second: a packet a frame, 40 a second, carrying every tick
// the peer has not acknowledged (the input delay plus a round trip's worth of ticks).
void OnlineInputBytes(benchmark::State& state) {
    const auto roundTripMs = static_cast<std::size_t>(state.range(0));
    NetPacket p;
    p.kind = PacketKind::Inputs;
    p.firstTick = 4000;
    p.ackTick = 4001;
    p.inputs.assign(2 + (roundTripMs + 24) / 25, 0x15);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = encodePacket(p).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["payload_bytes_per_s"] = static_cast<double>(bytes * 40);
}
BENCHMARK(OnlineInputBytes)->Arg(20)->Arg(100)->Arg(250);

} // namespace

BENCHMARK_MAIN();
