// What the fighter and arena selections share: the backdrop, shadowed captions and the
// way back.
#pragma once

#include <string_view>

#include "shell/game_state.h"

namespace selection {

constexpr f64 depth = -5;
constexpr Rgb white{255, 255, 255}, black{0, 0, 0};

// A night-blue festa sky over a warm floor band, flags drifting along the top.
void drawBackground();
// Text in font 1 centred in height on y, over a black shadow a little right and down.
void drawShadowed(std::string_view text, std::string_view hAlign, f64 x, f64 y, f64 size,
                  Rgb colour, u8 alpha);
// "ESC-dVOLTAR" at the bottom left: ESC goes back to the mode menu.
void drawBackHint();

} // namespace selection
