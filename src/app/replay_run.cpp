#include "app/replay_run.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "app/display_control.h"
#include "app/frame.h"
#include "app/replay_reader.h"
#include "app/run_outputs.h"
#include "app/startup.h"
#include "assets/arena_assets.h"
#include "assets/config_file.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/joystick.h"
#include "platform/keys.h"
#include "platform/window.h"
#include "shell/presentation.h"
#include "shell/scene_change.h"
#include "shell/state_dump.h"

namespace {

// What the replay's start state stands on outside the state: the display set up and
// loaded when the recorded run had done it, and the arenas it had loaded.
void prepareFor(const SavedState& start) {
    setTraceMuted(true);
    formCreate(1);
    const GameState& g = start.game;
    const u8 size = g.resolutionChoice;
    if (size >= 1 && size <= 4) setUpDisplay(size, true);
    for (u8 arena = 1; arena <= 2; ++arena)
        if (g.arenaModelsLoaded[arena] == 1) loadArenaAssets(arena);
    loadState(start);
    setTraceMuted(false);
}

// The windowed viewer's keys, read between ticks.
struct Viewer {
    bool paused = false;
    bool fast = false;
    int steps = 0;
    bool leave = false;

    void pump() {
        WindowEvent e;
        while (windowPollEvent(e)) {
            if (e.kind == WindowEvent::Quit) leave = true;
            if (handleDisplayEvent(e) || e.kind != WindowEvent::KeyDown || e.repeat) continue;
            if (e.vk == vk::Escape) leave = true;
            if (e.vk == vk::Pause) paused = !paused;
            if (e.vk == vk::Space) {
                paused = true;
                ++steps;
            }
            if (e.vk == vk::Digit0 + 4) fast = !fast;
        }
    }
};

} // namespace

ReplayPlayer::ReplayPlayer(ReplayReader& reader)
    : reader_(&reader), count_(reader.tickCount()), firstTick_(reader.head().firstTick) {
    prepareFor(*reader.head().start);
}

bool ReplayPlayer::step() {
    ++next_;
    TickInput input;
    std::optional<std::uint64_t> hash;
    if (!reader_->next(input, hash)) return false;
    advanceReplayedTick(input);
    return !hash || *hash == stateHash();
}

int runReplay(const CommandLine& options) {
    ReplayReader replay;
    std::string error;
    if (!replay.open(options.replayPath, error) || !replayFitsThisGame(replay.head(), error)) {
        std::printf("replay %s: %s\n", options.replayPath.c_str(), error.c_str());
        return 2;
    }

    const bool windowed = !options.headless;
    if (!windowOpen("TORVEL ARENA", 600, 450, !windowed, error, fullscreenAtStart(options))) {
        std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
        return 1;
    }
    joyUseVirtual(true);
    audioSetOutputEnabled(windowed);
    audioResetLists();
    frameControl.pace = windowed;
    setPresenting(windowed);
    setConfigWritesHeld(true);
    setTraceEnabled(options.trace);
    setTraceTick(replay.head().firstTick);
    ReplayPlayer player(replay);
    traceSceneIfChanged();
    if (windowed && gs.musicStartRequest == 0) startCurrentMusic();

    RunOutputs outputs(options);
    Viewer viewer;
    long long played = 0;
    int status = 0;
    while (!player.done()) {
        const long long tick = player.nextTick();
        if (options.ticks && tick > *options.ticks) break;
        if (windowed) {
            viewer.pump();
            while (viewer.paused && viewer.steps == 0 && !viewer.leave) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                viewer.pump();
            }
            if (viewer.leave) break;
            if (viewer.steps > 0) --viewer.steps;
        }
        setTraceTick(tick);
        // At four times the speed, three ticks in four run unseen.
        const bool unseen =
            windowed && viewer.fast && !viewer.paused && tick % 4 != 0 && !outputs.shotAt(tick);
        setPresenting(windowed && !unseen);
        frameControl.pace = windowed && !unseen;
        outputs.beforeTick(tick);
        const std::int64_t start = monotonicMicros();
        const bool musicAsked = gs.musicStartRequest == 1;
        const bool inStep = player.step();
        if (unseen && musicAsked && gs.musicStartRequest == 0) startCurrentMusic();
        outputs.afterTick(tick, monotonicMicros() - start - frameControl.lastWaitMicros);
        ++played;
        if (!inStep) {
            std::printf("replay desync at tick %lld\n", tick);
            status = 1;
            break;
        }
    }
    if (status == 0) std::printf("replay ok %lld ticks\n", played);
    std::fflush(stdout);

    // The last frame stays in the window until the viewer leaves.
    while (windowed && !viewer.leave && !options.ticks) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        viewer.pump();
    }
    if (status == 0) status = outputs.status();
    if (options.stats) outputs.printStats();
    audioClose();
    windowClose();
    return status;
}
