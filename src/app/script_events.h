// A script's events as a run applies them: key events go into the next tick's input,
// joystick events move the script's virtual devices, which the tick reads. The display's
// keys (F11, F12) are handled at once and are not the game's input.
#pragma once

#include "app/tick_input.h"
#include "shell/input_script.h"

void applyScriptEvent(const ScriptEvent& e, TickInput& input);
