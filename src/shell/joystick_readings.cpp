#include "shell/joystick_readings.h"

namespace {
TickJoyReadings readings{};
bool playing = false;
} // namespace

void beginTickReadings(const TickJoyReadings* playback) {
    playing = playback != nullptr;
    readings = playing ? *playback : TickJoyReadings{};
}

const TickJoyReadings& tickReadings() {
    return readings;
}

u32 readJoystick(int id, JoyInfo& info) {
    if (id < 0 || id > 1) return joyErrUnplugged;
    JoyReading& r = readings[static_cast<std::size_t>(id)];
    if (playing) {
        // A tick that did not query this joystick when it was recorded reads it unplugged.
        if (r.taken == 0) return joyErrUnplugged;
        if (r.status == 0) info = r.info;
        return r.status;
    }
    r.taken = 1;
    r.status = joyGetPos(id, r.info);
    if (r.status == 0) info = r.info;
    return r.status;
}
