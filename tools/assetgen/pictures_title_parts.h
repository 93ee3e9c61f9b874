// The pieces of the title and menu art ("Abertura") and the arena landscapes
// ("Paisagem"), one function per picture or family of pictures.
#pragma once

#include "image.h"

// Round menu medallions: a brass rim around a coloured disc with a cream symbol.
enum class Symbol {
    Question,
    Versus,
    Gear,
    Exit,
    Pause,
    Play,
    List,
    Sliders,
    House,
    Fist,
    Gamepad,
    Key,
    Speaker,
    Outline,
    Lightning,
    Save,
    Stars,
    Hourglass,
    Bell,
    Impact,
    Coin,
    Back,
    Trophy,
    Medal,
    Keyboard,
    Joystick,
    Check,
};
Image medallion(Symbol symbol, unsigned discColour);

Image titleLogo();                      // the game's name over a village sun
Image modePlate();                      // wooden plate behind a mode row
Image cellFrame();                      // frame of a filled selection cell
Image questionPlate();                  // an empty selection cell
Image selectionCursor(unsigned colour); // corner brackets and a pointer
Image cellHighlight();                  // glow around the highlighted cell
Image chitaTile();                      // tiling flower pattern of the menu backgrounds
Image menuArrow(unsigned colour);       // a chunky arrow pointing right
Image crossMark();                      // the "no" cross
Image playerTag(const char* text, unsigned colour);
Image controlsPicture(); // keyboard and joystick
Image buntingStrip();    // festa flags on a rope, tiling sideways
Image sunPicture();
Image cloudPicture();
Image fenceStrip(); // wooden fence, tiling sideways
Image paperLantern();
Image hangingSign();
Image bonfire();
Image strawHat();
Image versusStrip(); // band of the versus presentation, tiling sideways
Image streakBadge(); // the medal under a win streak's digits

Image villageCourtyard(); // "PRIMEIRO PÁTIO DA VILA"
Image farmhouseYard();    // "CASA DO SEU BRANDOLIM"
