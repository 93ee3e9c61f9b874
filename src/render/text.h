// Screen text in the texture fonts, placed in the 3D projection at a depth.
#pragma once

#include <string_view>

#include "shell/game_state.h"

// hAlign "CENTRO" centres on x, "ESQ" ends at x; vAlign "CENTRO" centres on y, "CIMA"
// sits above y; other words leave the text starting at x and hanging below y.
void drawText(std::string_view text, std::string_view hAlign, std::string_view vAlign, f64 x, f64 y,
              f64 z, f64 sx, f64 sy, Rgb colour, u8 alpha, f64 angle);
