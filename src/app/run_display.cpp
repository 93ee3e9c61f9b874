#include "app/run_display.h"

#include <cstdio>
#include <string>

#include "app/display_control.h"
#include "platform/audio.h"
#include "platform/joystick.h"
#include "platform/window.h"

RunDisplay::RunDisplay(const CommandLine& options, const InputScript* script, bool virtualDevices) {
    if (script || virtualDevices) joyUseVirtual(true);
    if (script)
        for (int j = 0; j < 2; ++j)
            if (script->joystickUsed[j] && !script->pluggedLater[j]) joyVirtualPlug(j);
    std::string error;
    opened_ =
        windowOpen("TORVEL ARENA", 600, 450, options.headless, error, fullscreenAtStart(options));
    if (!opened_) {
        std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
        return;
    }
    audioSetOutputEnabled(!options.headless);
    audioResetLists();
}

RunDisplay::~RunDisplay() {
    if (!opened_) return;
    audioClose();
    windowClose();
}

RunMode startingRunMode(const CommandLine& options) {
    RunMode m;
    m.pace = !options.headless;
    m.presenting = !options.headless || (options.synctest > 0 && options.replayPath.empty());
    return m;
}
