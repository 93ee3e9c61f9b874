#include "app/game_loop.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <thread>

#include "app/frame.h"
#include "app/key_events.h"
#include "app/pose_sheet.h"
#include "app/startup.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/joystick.h"
#include "platform/keys.h"
#include "platform/png_writer.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/input_script.h"
#include "shell/scene_change.h"
#include "shell/state_dump.h"

namespace {

void keyDownEvent(u8 key) {
    setKeyDown(key, true);
    FormKeyDown(key);
    traceSceneIfChanged();
}

void applyScriptEvent(const ScriptEvent& e) {
    switch (e.kind) {
    case ScriptEvent::KeyDown:
        keyDownEvent(e.key);
        break;
    case ScriptEvent::KeyUp:
        setKeyDown(e.key, false);
        break;
    case ScriptEvent::JoyAxis:
        joyVirtualAxis(e.joystick - 1, e.axis, e.value);
        break;
    case ScriptEvent::JoyButton:
        joyVirtualButton(e.joystick - 1, static_cast<int>(e.value), e.down);
        break;
    }
}

// Window events between ticks. In scripted runs the devices are the script's, so only
// closing the window counts.
void pumpWindowEvents(bool scripted) {
    WindowEvent e;
    while (windowPollEvent(e)) {
        if (e.kind == WindowEvent::Quit) {
            gs.quitRequested = 1;
        } else if (scripted) {
            continue;
        } else if (e.kind == WindowEvent::KeyDown && e.vk != 0 && !e.repeat) {
            keyDownEvent(e.vk);
        } else if (e.kind == WindowEvent::KeyUp && e.vk != 0) {
            setKeyDown(e.vk, false);
        } else if (e.kind == WindowEvent::FocusLost) {
            releaseAllKeys();
        }
        if (gs.quitRequested == 1) return;
    }
}

bool writeText(const std::string& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary);
    f << text;
    return static_cast<bool>(f);
}

long long percentile(std::vector<std::int64_t> v, double p) {
    if (v.empty()) return 0;
    std::size_t i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(i), v.end());
    return v[i];
}

} // namespace

int runGame(const CommandLine& options) {
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
            if (script.joystickUsed[j]) joyVirtualPlug(j);
    } else if (options.headless) {
        joyUseVirtual(true);
    }

    std::string error;
    if (!windowOpen("TORVEL ARENA", 600, 450, options.headless, error)) {
        std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
        return 1;
    }
    audioSetOutputEnabled(!options.headless);
    audioResetLists();
    frameControl.pace = !options.headless;

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

    if (options.title) startOnTitle(options.displaySize);

    int status = 0;
    std::vector<std::int64_t> workTimes;
    std::size_t nextEvent = 0;
    long long tick = 1;
    std::vector<std::uint8_t> capture;

    while (gs.quitRequested == 0 && (!options.ticks || tick <= *options.ticks)) {
        setTraceTick(tick);
        pumpWindowEvents(scripted);
        while (gs.quitRequested == 0 && nextEvent < script.events.size() &&
               script.events[nextEvent].tick <= tick)
            applyScriptEvent(script.events[nextEvent++]);
        if (gs.quitRequested == 1) break;

        if (!scripted && !windowHasFocus()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }

        const bool shotNow = std::any_of(options.shots.begin(), options.shots.end(),
                                         [&](const TickFile& s) { return s.tick == tick; });
        frameControl.capture = shotNow ? &capture : nullptr;

        const std::int64_t start = monotonicMicros();
        DXTimer1Timer();
        workTimes.push_back(monotonicMicros() - start - frameControl.lastWaitMicros);
        traceSceneIfChanged();

        for (const TickFile& s : options.shots) {
            if (s.tick != tick) continue;
            if (!writePng(s.path, frameControl.captureWidth, frameControl.captureHeight, capture,
                          error)) {
                std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
                status = 1;
            }
        }
        for (const TickFile& d : options.dumps) {
            if (d.tick == tick && !writeText(d.path, stateDumpJson(tick))) {
                std::fprintf(stderr, "torvel-arena: cannot write %s\n", d.path.c_str());
                status = 1;
            }
        }
        ++tick;
    }

    if (options.stats) {
        std::printf("ticks %zu\n", workTimes.size());
        std::printf(
            "work per tick (us): p50 %lld  p95 %lld  p99 %lld  max %lld\n",
            percentile(workTimes, 0.50), percentile(workTimes, 0.95), percentile(workTimes, 0.99),
            workTimes.empty()
                ? 0LL
                : static_cast<long long>(*std::max_element(workTimes.begin(), workTimes.end())));
        if (lastLoadingMicros > 0)
            std::printf("display set-up and loading (ms): %lld\n",
                        static_cast<long long>(lastLoadingMicros / 1000));
    }
    audioClose();
    windowClose();
    return status;
}
