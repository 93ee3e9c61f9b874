// Flat pictures, ground shadows, gradient boxes and lines, placed in the 3D projection.
// They draw nothing on a tick that is not shown.
#pragma once

#include <string_view>

#include "shell/game_state.h"

// Picture `number` of a set ("ICONE", "EFEITO", "RETRATO", "ABERTURA", "PAISAGEM") as a
// quad width x height at depth z. hAlign "CENTRO" centres on x, "ESQ" ends at x; vAlign
// "CENTRO" centres on y, "CIMA" sits above y, anything else hangs below y. "INV"
// mirrors. The texture rectangle is leftU..rightU, bottomV..topV.
void drawSprite(std::string_view set, int number, std::string_view hAlign, f64 x, f64 y, f64 width,
                f64 height, f64 z, std::string_view vAlign, std::string_view mirror, Rgb colour,
                u8 alpha, f64 angle, f64 leftU, f64 rightU, f64 bottomV, f64 topV);
// A soft dark ellipse on the ground: centre (cx, y, cz), radii rx and rz.
void drawShadow(f64 cx, f64 y, f64 cz, f64 rx, f64 rz);
// A box from colour A to colour B: direction 'V' (A along y1, B along y2) or 'H' (A along
// x1, B along x2, always at depth -5).
void drawGradientQuad(Rgb a, Rgb b, char direction, f64 x1, f64 y1, f64 x2, f64 y2, f64 z,
                      u8 alpha);
void drawLine(Rgb colour, u8 alpha, f64 x1, f64 y1, f64 z1, f64 x2, f64 y2, f64 z2);
