// Screen text in the two texture fonts, placed in the 3D projection at a depth (the
// visible band at depth -5 is x -3.33..3.33, y -3.33..1.67). Every character is a quad
// 0.1 sx wide and 0.1 sy high. Nothing is drawn on a tick that is not shown.
#pragma once

#include <string_view>

#include "shell/game_state.h"

// The glyph cell of a character in font 1 or 2, -1 for a character the font lacks.
int glyphIndex(char32_t codePoint, int font);

// hAlign "CENTRO" centres on x, "ESQ" ends at x; vAlign "CENTRO" centres on y, "CIMA"
// sits above y; other words leave the text starting at x and hanging below y. Font 1.
void drawText(std::string_view text, std::string_view hAlign, std::string_view vAlign, f64 x, f64 y,
              f64 z, f64 sx, f64 sy, Rgb colour, u8 alpha, f64 angle);
// The same in font 2, each character tilted by +angle and the next by -angle.
void drawWavyText(std::string_view text, std::string_view hAlign, std::string_view vAlign, f64 x,
                  f64 y, f64 z, f64 sx, f64 sy, Rgb colour, u8 alpha, f64 angle);
