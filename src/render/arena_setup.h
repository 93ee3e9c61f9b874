#pragma once

#include "shell/plain_data.h"

// An arena's lights and bounds for the current lighting variant.
void arenaSetup(u8 arena);
