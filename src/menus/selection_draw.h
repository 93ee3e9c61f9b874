// What the fighter and arena selections share: the backdrop, shadowed captions and the
// way back.
#pragma once

#include "menus/options_screens.h"

namespace selection {

using options::black;
using options::depth;
using options::white;

// A night-blue festa sky over a warm floor band, flags drifting along the top.
void drawBackground();
// "ESC-dVOLTAR" at the bottom left: ESC goes back to the mode menu.
void drawBackHint();

} // namespace selection
