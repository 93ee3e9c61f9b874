// The arena's placed content: props (arena models), cut-out sprites and floor shadows.
// Plain data in the game state; model or texture 0 (or active 0) marks a free record.
#pragma once

#include "shell/plain_data.h"

struct ArenaProp {
    u8 propModel = 0;
    std::array<f64, 3> propPos{};
    std::array<f64, 3> propAngle{}; // about x, about y, about the axis (0, 1, 1)
};

struct ArenaSprite {
    u8 spriteTexture = 0;
    u8 spriteFlat = 0;
    u8 spriteMirrored = 0;
    std::array<f64, 3> spritePos{};
    f64 spriteAngle = 0; // about z
    f64 spriteWidth = 0; // half the width
    f64 spriteHeight = 0;
};

struct FloorShadow {
    u8 active = 0;
    std::array<f64, 3> centre{};
    f64 halfWidth = 0, halfDepth = 0;
    f64 angle = 0; // about y
};

template <class V> void reflect(V& v, ArenaProp& p) {
    v("propModel", p.propModel);
    v("propPos", p.propPos);
    v("propAngle", p.propAngle);
}

template <class V> void reflect(V& v, ArenaSprite& s) {
    v("spriteTexture", s.spriteTexture);
    v("spriteFlat", s.spriteFlat);
    v("spriteMirrored", s.spriteMirrored);
    v("spritePos", s.spritePos);
    v("spriteAngle", s.spriteAngle);
    v("spriteWidth", s.spriteWidth);
    v("spriteHeight", s.spriteHeight);
}

template <class V> void reflect(V& v, FloorShadow& f) {
    v("active", f.active);
    v("centre", f.centre);
    v("halfWidth", f.halfWidth);
    v("halfDepth", f.halfDepth);
    v("angle", f.angle);
}
