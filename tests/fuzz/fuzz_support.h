// Shared by the fuzz targets: a headless game state for the readers to write into.
#pragma once

#include <string>

#include "platform/audio.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "shell/game_state.h"

inline void headlessForFuzzing() {
    static bool done = [] {
        std::string error;
        windowOpen("TORVEL ARENA", 600, 450, true, error);
        audioSetOutputEnabled(false);
        setMessageBoxesModal(false);
        return true;
    }();
    (void)done;
    gs.sceneName = "DEBUG-PERSONAGEM";
}
