// Scripted input: key and joystick events at given ticks, read from a text file.
#pragma once

#include <string>
#include <vector>

#include "shell/plain_data.h"

struct ScriptEvent {
    enum Kind { KeyDown, KeyUp, JoyAxis, JoyButton, JoyPlug, JoyUnplug } kind = KeyDown;
    long long tick = 0; // applied before this tick runs
    u8 key = 0;         // virtual-key code
    int joystick = 0;   // 1 or 2
    char axis = 'x';
    u32 value = 0; // axis position, or button number
    bool down = false;
};

struct InputScript {
    std::vector<ScriptEvent> events; // in the order they apply
    // The joysticks a script uses, plugged from its start unless its first event for
    // one plugs it later.
    bool joystickUsed[2] = {false, false};
    bool pluggedLater[2] = {false, false};
};

// Parses script text; on a malformed line returns false with a message naming it.
bool parseInputScript(const std::string& text, const std::string& sourceName, InputScript& out,
                      std::string& error);
bool loadInputScript(const std::string& path, InputScript& out, std::string& error);
// The virtual-key code of a script key name, 0 if there is none.
u8 scriptKeyCode(const std::string& name);
