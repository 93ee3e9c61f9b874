// A fresh game as the window's creation leaves it, with no device held.
#pragma once

#include "app/startup.h"
#include "platform/audio.h"
#include "platform/joystick.h"
#include "platform/keys.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/joystick_readings.h"

inline void freshGame(u32 seed = 1) {
    std::string error;
    windowOpen("TORVEL ARENA", 600, 450, true, error);
    audioSetOutputEnabled(false);
    gs = {};
    releaseAllKeys();
    joyUseVirtual(true);
    joyVirtualUnplugAll();
    // A replayed tick of an earlier test leaves its joystick readings in place.
    beginTickReadings(nullptr);
    formCreate(seed);
}
