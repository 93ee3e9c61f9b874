// The joystick readings a tick takes. A live tick reads the devices and keeps what it
// read, so that a recording can store it; a replayed or re-simulated tick is handed the
// stored readings instead and never touches a device.
#pragma once

#include <array>

#include "platform/joystick.h"
#include "shell/plain_data.h"

struct JoyReading {
    u8 taken = 0; // the tick queried this joystick
    u32 status = joyErrUnplugged;
    JoyInfo info;
};
using TickJoyReadings = std::array<JoyReading, 2>;

// Starts a tick's readings: live from the devices (playback null) or from playback.
void beginTickReadings(const TickJoyReadings* playback);
// What the tick read so far (live) or was handed (playback).
const TickJoyReadings& tickReadings();
// The query the tick makes for joystick id 0 or 1; the same contract as joyGetPos.
u32 readJoystick(int id, JoyInfo& info);
