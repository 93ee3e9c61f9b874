// The icon pictures by family and the HUD style they share.
#pragma once

#include "pictures_icons_kit.h"

namespace iconart {

// The HUD's colours: gunmetal plates with brass rims over dark troughs.
constexpr Rgba brassLight = rgb(255, 236, 170), brass = rgb(222, 168, 62),
               brassDark = rgb(118, 72, 22);
constexpr Rgba metalLight = rgb(92, 102, 124), metalDark = rgb(30, 34, 48);
constexpr Rgba ink = rgb(16, 12, 20);
constexpr Rgba playerBlue = rgb(54, 112, 255), playerRed = rgb(232, 48, 40);

// Shared HUD pieces, drawn on a canvas (pictures_icons_hud.cpp).
Paint brassPaint(float y0, float y1);
// A gunmetal plate with a drop shadow and a bevelled brass rim.
void drawPlate(iconkit::Canvas& c, const Sdf& shape, float top, float bottom);
// A dark inset where a bar or a lamp shows.
void drawTrough(iconkit::Canvas& c, const Sdf& shape, float top, float bottom);
// A round gem: a coloured dome with a glint, on a brass collar.
void drawGem(iconkit::Canvas& c, const Sdf& shape, float cx, float cy, float r, Rgba colour);

// The HUD: frames, lamps, fills, clock, item panel, victory strip (pictures_icons_hud.cpp).
Image clockFrame();    // 1
Image lifeFrame();     // 2
Image portraitFrame(); // 3
// The outline of the portrait frame's edge, `inset` pixels in from a 184 x 256 picture.
Sdf portraitOutline(float inset);
Image powerFrame();                       // 5
Image stockLamp();                        // 6
Image guardFrame();                       // 8
Image guardLamp();                        // 9
Image dizzyFrame();                       // 11
Image dizzyLamp();                        // 12
Image itemFrame();                        // 15
Image clockBand();                        // 16
Image noClockEmblem();                    // 17
Image itemEffectPanel();                  // 57
Image victoryStrip();                     // 61
Image barFill(bool upright, bool energy); // 4, 7, 10, 13, 58

// Lettering and prompts (pictures_icons_prompts.cpp).
Image notice(const char* line1, const char* line2, Rgba accent); // 14, 36
Image playerTag(const char* text, Rgba colour);                  // 18..21
Image stockDigit(int digit);                                     // 22..25
Image powerMark(const char* text, Rgba accent);                  // 26, 27
Image keypadArrow(int keypadDigit);                              // 28..35
Image comboDigit(int digit);                                     // 37..46
Image dizzyStar();                                               // 47
Image promptButton();                                            // 48
Image promptMarker();                                            // 49
Image waggleArrow(int direction);                                // 50..52: 0 both, -1, +1
Image punchIcon();                                               // 53
Image kickIcon();                                                // 54
Image stick(int lean);                                           // 59, 60
// The punch and kick emblems as drawn on a 64-pixel badge, scaled by k about the
// corner and moved by (dx, dy).
Sdf fistShape(float dx, float dy, float k);
Sdf bootShape(float dx, float dy, float k);
// A coloured round badge with a brass rim, and a white emblem over it.
void drawBadge(iconkit::Canvas& c, float cx, float cy, float r, Rgba colour);
void drawEmblem(iconkit::Canvas& c, const Sdf& shape, float top, float bottom);

// Menu symbols with no fixed place in the game's screens (pictures_icons_menu.cpp).
Image menuIcon(int number); // 55, 56, 62..85

} // namespace iconart
