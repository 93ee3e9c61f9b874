// A script's events as a run applies them: key events go to the mode as the window's keys
// would, joystick events move the script's virtual devices, which the tick reads. The
// display's keys (F11, F12) are handled at once and are not the game's input.
#pragma once

#include "app/play_mode.h"
#include "shell/input_script.h"

void applyScriptEvent(const ScriptEvent& e, PlayMode& mode);
