// One tick's input as the tick consumed it: the key events delivered since the tick
// before, in order, and the joystick readings the tick took. Live play, replays, the
// sync test and re-simulated ticks all run a tick through advanceTick.
#pragma once

#include <vector>

#include "shell/joystick_readings.h"
#include "shell/plain_data.h"

struct KeyEvent {
    u8 vk = 0;
    u8 down = 0;
};

struct TickInput {
    std::vector<KeyEvent> keys;
    TickJoyReadings joys{};
};

enum class TickSource {
    Live,    // joysticks are read from the devices and the readings kept in the input
    Replayed // joysticks read what the input holds
};

// Delivers the key events (a key press reaches the window's key handler) and runs the
// tick. Returns false when a key event asked to quit; the tick is then not run.
bool advanceTick(TickInput& input, TickSource source);

// Every key held, or pressed by an event still in the input, is released after it: the
// window lost focus.
void releaseHeldKeys(TickInput& input);
