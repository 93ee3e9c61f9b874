#include "render/arena_setup.h"

void arenaSetup(u8) {}
