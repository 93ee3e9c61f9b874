// Helpers shared by the HUD's pieces: the side of the screen a fighter's HUD stands on,
// opacity wrapping and the cut bar.
#pragma once

#include <cmath>
#include <string_view>

#include "shell/game_state.h"
#include "shell/rounding.h"

constexpr f64 hudDepth = -5;

// Fighter 1 stands on the left (s = -1), fighter 2 on the right (s = +1); fighter 2's
// frames are the left side's pictures mirrored, anchored the other way.
struct HudSide {
    int index;
    f64 s;
    std::string_view anchor; // "ESQ" for fighter 1, "" (starting at x) for fighter 2
    std::string_view mirror; // "" for fighter 1, "INV" for fighter 2
};

inline HudSide hudSide(int index) {
    if (index == 1) return {1, -1, "ESQ", ""};
    return {2, 1, "", "INV"};
}

// An opacity computed as a whole number, wrapped into 0..255 as a byte would hold it.
inline u8 wrapAlpha(f64 v) {
    long n = static_cast<long>(roundHalfEven(v)) % 256;
    return static_cast<u8>(n < 0 ? n + 256 : n);
}

// A colour channel from a computed value, rounded and wrapped the same way.
inline u8 byteOf(f64 v) {
    return wrapAlpha(v);
}

// The HUD's pulses: cos(k * gameCycle).
inline f64 cycleCos(f64 k = 1) {
    return std::cos(k * gs.gameCycle);
}

inline Rgb grey(f64 v) {
    u8 b = wrapAlpha(v);
    return {b, b, b};
}

constexpr Rgb white{255, 255, 255};

// An "ICONE" bar of `length` anchored at its inner end x and running outward, the texture
// cut to `fraction` from its outer end. Fighter 1's bars end at x, fighter 2's start there.
void hudBar(const HudSide& side, int icon, f64 x, f64 y, f64 length, f64 height, f64 fraction,
            Rgb colour, u8 alpha);
