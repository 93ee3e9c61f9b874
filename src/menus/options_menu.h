// The option screens that open over a running scene, chosen by `optionsScreen`: the
// battle's options (menu, move list, settings, questions), the sub-screens the title
// configuration hands over, and the after-match menu of the victory screen.
#pragma once

#include <string_view>

// Draws the current option screen and acts on the menu input of this tick.
void optionsMenu();
// "TELA INICIAL": the fight ends with no result recorded, every effect and phase stops,
// the fighters are made ready for a new match and the title opens under the curtain.
void leaveForTitle();
// The character shown for a key code in the key hints ('?' for a key without one).
char keyCharacter(unsigned char vkCode);
// A move's motion as icons from x, one character every `step`: keypad digits as arrows,
// "S" and "C" as the punch and kick buttons, "A" as "(NO AR)" taking 2.5 extra steps.
void drawMotion(std::string_view motion, double x, double y, double step = 0.18);
