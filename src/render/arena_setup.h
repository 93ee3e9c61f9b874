// Arena set-up: the lights of the lighting variant, the fighter and camera bounds, and
// the arena's props, cut-out sprites and floor shadows.
#pragma once

#include <string_view>

#include "shell/plain_data.h"

void arenaSetup(u8 arena);
// Each takes the first free record of its list; a full list ignores the call.
void addProp(u8 model, f64 x, f64 y, f64 z, f64 angleY);
// orientation "I" mirrors; `width` is half the picture's width.
void addSprite(u8 texture, std::string_view orientation, u8 flat, f64 x, f64 y, f64 z,
               f64 width, f64 height, f64 angle);
void addFloorShadow(f64 x, f64 y, f64 z, f64 halfWidth, f64 halfDepth, f64 angleY);
