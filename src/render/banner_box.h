// The banner box: a horizontal band that fades toward both ends, with an optional picture
// at its left and an optional caption in the wavy font. Menus, the pause display and the
// round banners use it. Nothing is drawn on a tick that is not shown.
#pragma once

#include <string_view>

#include "shell/game_state.h"

// A band from x1 to x2 and from y1 to y2 at depth -5: `alpha` in the middle, 0.4 of it at
// the ends. picture (0 = none) is an "ABERTURA" picture, 0.5 x 0.5, centred at
// (x1 + 0.3, y1 - 0.3). The caption (empty = none) is centred on the band's middle x,
// just above y2, its opacity pulsing with `pauseCycle`.
void drawBanner(int picture, Rgb colour, std::string_view title, f64 x1, f64 y1, f64 x2, f64 y2,
                u8 alpha);
