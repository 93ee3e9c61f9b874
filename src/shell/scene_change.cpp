#include "shell/scene_change.h"

#include <cstdio>

#include "shell/game_state.h"
#include "shell/run_mode.h"

namespace {
bool traceOn = false;
long long traceTick = 0;
Name lastTraced;
} // namespace

void setTraceEnabled(bool on) {
    traceOn = on;
}
void setTraceTick(long long tick) {
    traceTick = tick;
}

void traceSceneIfChanged() {
    if (runMode.traceMuted || gs.sceneName == lastTraced) return;
    lastTraced = gs.sceneName;
    if (!traceOn) return;
    std::printf("%lld scene %.*s\n", traceTick, static_cast<int>(gs.sceneName.size()),
                gs.sceneName.buf);
    std::fflush(stdout);
}

void traceEvent(std::string_view what) {
    if (!traceOn || runMode.traceMuted) return;
    std::printf("%lld %.*s\n", traceTick, static_cast<int>(what.size()), what.data());
    std::fflush(stdout);
}

void switchScene(std::string_view name) {
    gs.sceneName = name;
    traceSceneIfChanged();
}

void enterErrorScene(std::string_view line1, std::string_view line2, std::string_view line3,
                     std::string_view line4) {
    gs.errorLine1 = line1;
    gs.errorLine2 = line2;
    gs.errorLine3 = line3;
    gs.errorLine4 = line4;
    raiseErrorScene();
}

void raiseErrorScene() {
    bool entering = !(gs.sceneName == "ERRO");
    switchScene("ERRO");
    if (entering && traceOn && !runMode.traceMuted) {
        std::printf("%lld error %.*s\n", traceTick, static_cast<int>(gs.errorLine1.size()),
                    gs.errorLine1.buf);
        std::fflush(stdout);
    }
}
