#include "render/arena_layouts.h"

void layoutArena2() {}
