// The shape of an arena layout: tables of placed props, cut-outs and floor shadows, run
// through the arena set-up's add calls in table order.
#pragma once

#include <span>

#include "render/arena_setup.h"

struct PropPlace {
    u8 model;
    f64 x, y, z, angleY;
};

// An upright cut-out; with `shadow` its flat copy is laid on the floor behind it first.
struct CutOutPlace {
    u8 texture;
    const char* orientation; // "I" mirrors the picture
    bool shadow;
    f64 x, y, z, halfWidth, height, angle;
};

struct FloorShadowPlace {
    f64 x, y, z, halfWidth, halfDepth, angleY;
};

inline void placeLayout(std::span<const PropPlace> props, std::span<const CutOutPlace> cutOuts,
                        std::span<const FloorShadowPlace> shadows) {
    for (const PropPlace& p : props) addProp(p.model, p.x, p.y, p.z, p.angleY);
    for (const CutOutPlace& c : cutOuts) {
        if (c.shadow)
            addSprite(c.texture, c.orientation, 1, c.x, c.y, c.z, c.halfWidth, c.height, c.angle);
        addSprite(c.texture, c.orientation, 0, c.x, c.y, c.z, c.halfWidth, c.height, c.angle);
    }
    for (const FloorShadowPlace& s : shadows)
        addFloorShadow(s.x, s.y, s.z, s.halfWidth, s.halfDepth, s.angleY);
}
