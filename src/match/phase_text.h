// What the round's phase texts share: size curves as tables of tick -> factor, the
// shadowed banner word and the pulsing colour components.
#pragma once

#include <cmath>
#include <cstddef>
#include <string_view>

#include "render/text.h"
#include "shell/game_state.h"
#include "shell/rounding.h"

// A size factor for one phase tick.
struct Beat {
    i32 t;
    f64 factor;
};

// The factor at tick t, or `otherwise` for a tick the table leaves out.
template <std::size_t N> f64 at(const Beat (&beats)[N], i32 t, f64 otherwise) {
    for (const Beat& b : beats)
        if (b.t == t) return b.factor;
    return otherwise;
}

constexpr f64 phaseTextDepth = -5;

// A banner word centred on (x, y): a black shadow 0.05 right and down, then the word.
inline void phaseText(std::string_view text, f64 x, f64 y, f64 sx, f64 sy, Rgb colour) {
    drawText(text, "CENTRO", "CENTRO", x + 0.05, y - 0.05, phaseTextDepth, sx, sy, {0, 0, 0}, 150,
             0);
    drawText(text, "CENTRO", "CENTRO", x, y, phaseTextDepth, sx, sy, colour, 255, 0);
}

// A colour component: base + round(amplitude cos t).
inline u8 shade(int base, f64 amplitude, i32 t) {
    return static_cast<u8>(base + static_cast<int>(roundHalfEven(amplitude * std::cos(f64(t)))));
}
