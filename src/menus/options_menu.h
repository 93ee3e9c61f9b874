// The option screens that open over a running scene, chosen by `optionsScreen`: the
// battle's options and the after-match menu of the victory screen.
#pragma once

// Draws the current option screen and acts on the menu input of this tick.
void optionsMenu();
// The character shown for a key code in the key hints ('?' for a key without one).
char keyCharacter(unsigned char vkCode);
