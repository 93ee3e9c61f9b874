// Drawing a fighter: its body parts posed by the drawn pose, each part lit by its own
// ambient light, with the player marker, dizzy stars, power-up aura and outlines. As it
// draws, it stores each part's world box for hit detection. On a tick that is not shown it
// draws nothing but stores the same boxes and makes the same random draws.
#pragma once

#include "platform/gfx.h"
#include "shell/game_state.h"

// lit 1: textured and lit; lit 0: textured, unlit, modulated by colour. The figure stands
// at (x, y, z) turned by rotY about Y, then rotX about X, then rotZ about Z. The
// modelview matrix is the same after the call as before.
void drawFighter(int index, Rgb colour, u8 lit, f64 rotZ, f64 rotY, f64 rotX, f64 z, f64 y, f64 x);

// The joint frame of a body part in the figure's own frame under the drawn pose: the
// ancestors' and its own pivot translations and X, Y, Z rotations, root first.
Matrix partJointMatrix(const personagem& f, std::size_t part);
