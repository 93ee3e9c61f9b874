#include "match/hud_draw.h"

#include "render/sprites.h"

void hudBar(const HudSide& side, int icon, f64 x, f64 y, f64 length, f64 height, f64 fraction,
            Rgb colour, u8 alpha) {
    // The outer end of the picture (u = 0) lies at the screen edge for both sides.
    drawSprite("ICONE", icon, side.anchor, x, y, length, height, hudDepth, "CENTRO", side.mirror,
               colour, alpha, 0, 0, fraction, 0, 1);
}
