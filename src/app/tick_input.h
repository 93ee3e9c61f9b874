// One tick's input as the tick consumed it: the key events delivered since the tick
// before, in order, and the joystick readings the tick took. Live play, replays, the
// sync test and re-simulated ticks all run a tick through these.
#pragma once

#include <array>
#include <cstdint>
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
    // A joystick was plugged or unplugged before this tick: both are queried again at
    // once, not only at the next probe.
    bool devicesChanged = false;
    // An online tick: the two players' input words drive the fighters and the menus, and
    // no device is read.
    bool session = false;
    std::array<std::uint16_t, 2> words{};
};

// Both deliver the key events (a key press reaches the window's key handler) and run the
// tick; false when a key event asked to quit, and the tick is then not run.
// A live tick reads the joysticks from the devices and keeps the readings in the input.
bool advanceLiveTick(TickInput& input);
// A replayed tick reads the joysticks the input holds.
bool advanceReplayedTick(const TickInput& input);

// Every key held, or pressed by an event still in the input, is released after it: the
// window lost focus.
void releaseHeldKeys(TickInput& input);
