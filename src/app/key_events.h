#pragma once

#include "shell/plain_data.h"

// The window's key-down handler, run between ticks for every key press: start-up
// choices, PAUSE, ESC and key capture on the controls screen.
void FormKeyDown(u8 key);
