#include "app/game_loop.h"

#include <cstdio>
#include <thread>

#include "app/display_control.h"
#include "app/frame.h"
#include "app/match_recording.h"
#include "app/online_run.h"
#include "app/pose_sheet.h"
#include "app/replay_recorder.h"
#include "app/replay_run.h"
#include "app/run_outputs.h"
#include "app/script_events.h"
#include "app/startup.h"
#include "app/sync_test.h"
#include "app/tick_input.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/joystick.h"
#include "platform/keys.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/input_script.h"
#include "shell/presentation.h"
#include "shell/scene_change.h"

namespace {

// Window events between ticks. In scripted runs the devices are the script's, so only
// closing the window and the display's keys count.
void pumpWindowEvents(bool scripted, TickInput& input) {
    WindowEvent e;
    while (windowPollEvent(e)) {
        if (e.kind == WindowEvent::Quit) {
            gs.quitRequested = 1;
            return;
        }
        if (handleDisplayEvent(e) || scripted) continue;
        if (e.kind == WindowEvent::KeyDown && e.vk != 0 && !e.repeat)
            input.keys.push_back({e.vk, 1});
        else if (e.kind == WindowEvent::KeyUp && e.vk != 0)
            input.keys.push_back({e.vk, 0});
        else if (e.kind == WindowEvent::FocusLost)
            releaseHeldKeys(input);
        else if (e.kind == WindowEvent::DevicesChanged)
            input.devicesChanged = true;
    }
}

bool reportRecording(bool ok, const std::string& error) {
    if (!ok) std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
    return ok;
}

} // namespace

int runGame(const CommandLine& options) {
    if (!options.replayPath.empty()) return runReplay(options);

    InputScript script;
    const bool scripted = !options.scriptPath.empty();
    if (scripted) {
        std::string error;
        if (!loadInputScript(options.scriptPath, script, error)) {
            std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
            return 2;
        }
        joyUseVirtual(true);
        for (int j = 0; j < 2; ++j)
            if (script.joystickUsed[j] && !script.pluggedLater[j]) joyVirtualPlug(j);
    } else if (options.headless) {
        joyUseVirtual(true);
    }

    std::string error;
    if (!windowOpen("TORVEL ARENA", 600, 450, options.headless, error,
                    fullscreenAtStart(options))) {
        std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
        return 1;
    }
    audioSetOutputEnabled(!options.headless);
    audioResetLists();
    frameControl.pace = !options.headless;
    // Nothing is shown headless, except the first run of each tick under the sync test,
    // which holds the shown tick to the unseen one.
    setPresenting(!options.headless || options.synctest > 0);

    setTraceEnabled(options.trace);
    setTraceTick(1);
    formCreate(options.seed);

    if (!options.poseSheetPath.empty() || !options.animStripPath.empty()) {
        const bool ok = options.poseSheetPath.empty()
                            ? writeAnimationStrip(options.animStripPath, options.animName,
                                                  options.animCharacter, error)
                            : writePoseSheet(options.poseSheetPath, options.posesFirst,
                                             options.posesLast, error);
        if (!ok) std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
        audioClose();
        windowClose();
        return ok ? 0 : 1;
    }

    // The joiner sets up its own display; the host's choices come with the start.
    const bool joining = !options.joinAddress.empty();
    if (options.title || joining) startOnTitle(options.displaySize);

    std::unique_ptr<OnlineSession> online;
    if (options.online()) {
        SessionOptions so;
        online = std::make_unique<OnlineSession>();
        if (!sessionOptions(options, so, error) || !online->open(so, error)) {
            std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
            audioClose();
            windowClose();
            return 2;
        }
    }

    ReplayRecorder recording;
    // Online, --record names the session's replay, which the session writes.
    bool recorded = true;
    if (!options.recordPath.empty() && !options.online())
        recorded = reportRecording(recording.begin(1, options.recordPath, error), error);
    MatchRecording matches;
    const bool keepMatches = !options.headless && !scripted;
    std::unique_ptr<SyncTest> sync;
    if (options.synctest > 0) sync = std::make_unique<SyncTest>(options.synctest);

    RunOutputs outputs(options);
    std::size_t nextEvent = 0;
    long long tick = 1;
    TickInput input;

    // The session, once it starts; false when the program ends with it.
    int sessionStatus = 0;
    auto playOnline = [&] {
        LocalControls local;
        local.capture();
        local.setHeld(heldKeys());
        std::unique_ptr<SavedState> own;
        if (joining) {
            own = std::make_unique<SavedState>();
            saveState(*own);
        }
        bool offline = false;
        sessionStatus =
            playSession(*online, local, {options, script, nextEvent, outputs, tick}, offline);
        online.reset();
        if (offline) returnToOfflinePlay(own ? &own->game : nullptr);
        return offline;
    };
    bool playing = !joining || playOnline();

    // Online, --ticks counts the session's ticks.
    const bool counted = options.ticks && !options.online();
    while (playing && gs.quitRequested == 0 && (!counted || tick <= *options.ticks)) {
        setTraceTick(tick);
        pumpWindowEvents(scripted, input);
        while (nextEvent < script.events.size() && script.events[nextEvent].tick <= tick)
            applyScriptEvent(script.events[nextEvent++], input);
        if (gs.quitRequested == 1) break;
        if (online) {
            online->poll(monotonicMicros() / 1000);
            if (online->phase() == OnlineSession::Phase::Ended) {
                // Refused before the start: the host plays on alone in a window.
                sessionStatus = reportSessionEnd(*online);
                online.reset();
                if (options.headless) break;
            }
        }

        if (!scripted && !windowHasFocus()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (keepMatches) matches.atTickBoundary(tick);

        outputs.beforeTick(tick);
        const std::int64_t start = monotonicMicros();
        const bool ran = sync ? sync->advance(input, tick) : advanceLiveTick(input);
        if (!ran) break;
        outputs.afterTick(tick, monotonicMicros() - start - frameControl.lastWaitMicros);
        if (sync && sync->failed()) break;

        if (recording.active()) recording.add(input);
        if (keepMatches) matches.afterTick(input);
        input = TickInput{};
        ++tick;

        // The host's start-up reached the versus presentation: the session takes over.
        if (online && gs.sceneName == "VS-APRESENTACAO") {
            if (keepMatches) matches.end();
            prepareHostStart();
            online->offerStart();
            playing = playOnline();
        }
    }

    int status = outputs.status() != 0 ? outputs.status() : sessionStatus;
    if (recording.active())
        recorded = reportRecording(recording.finish(options.recordPath, error), error);
    if (!recorded) status = 1;
    if (keepMatches) matches.end();
    if (sync) {
        if (sync->failed()) {
            std::fputs(sync->report().c_str(), stdout);
            status = 1;
        } else {
            std::printf("synctest ok %lld ticks\n", sync->ticksRun());
        }
    }
    if (options.stats) outputs.printStats();
    audioClose();
    windowClose();
    return status;
}
