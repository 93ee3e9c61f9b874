// Title and menu art ("Abertura") and the arena selection landscapes ("Paisagem").
#include <functional>
#include <vector>

#include "generators.h"
#include "pictures_title_parts.h"

namespace {

struct TitlePicture {
    int number;
    std::function<Image()> make;
};

std::function<Image()> badge(Symbol s, unsigned colour) {
    return [s, colour] { return medallion(s, colour); };
}

// Colours of the medallion discs.
constexpr unsigned kGrey = 0x5A6470, kRed = 0xB8282A, kBlue = 0x2A5AA8, kBrown = 0x7A4A24,
                   kGreen = 0x2E8A3A, kOchre = 0xB07A1A, kTerracotta = 0xB4502A, kTeal = 0x1E7A7A,
                   kPurple = 0x6A3A8E, kOrange = 0xD0701A, kGold = 0xB08A1A;

const std::vector<TitlePicture>& titlePictures() {
    static const std::vector<TitlePicture> list = {
        {1, titleLogo},
        // Description pictures of the title rows 1..7.
        {2, badge(Symbol::Question, kGrey)},
        {3, badge(Symbol::Versus, kRed)},
        {4, badge(Symbol::Fist, kGreen)},
        {5, badge(Symbol::Question, kGrey)},
        {6, badge(Symbol::Question, kGrey)},
        {7, badge(Symbol::Gear, kBlue)},
        {8, badge(Symbol::Exit, kBrown)},
        // Mode menu and selection screens.
        {9, modePlate},
        {10, cellFrame},
        {11, questionPlate},
        {12, [] { return selectionCursor(0xFFC838); }},
        {13, [] { return selectionCursor(0x7CD0FF); }},
        {14, chitaTile},
        {15, cellHighlight},
        // Options menu: 16 + row.
        {16, badge(Symbol::Pause, kTeal)},
        {17, badge(Symbol::Play, kGreen)},
        {18, badge(Symbol::List, kOchre)},
        {19, badge(Symbol::Sliders, kBlue)},
        {20, badge(Symbol::House, kTerracotta)},
        {21, badge(Symbol::Exit, kBrown)},
        // Banner emblems of the option screens.
        {22, badge(Symbol::Fist, kRed)},
        {23, badge(Symbol::Gamepad, kBlue)},
        {24, badge(Symbol::Key, kGrey)},
        {25, badge(Symbol::Speaker, kTeal)},
        {26, badge(Symbol::Outline, kPurple)},
        {27, badge(Symbol::Lightning, kOrange)},
        {28, badge(Symbol::Save, kBlue)},
        // Configuration help pictures: 28 + row.
        {29, badge(Symbol::Stars, kGold)},
        {30, badge(Symbol::Hourglass, kTeal)},
        {31, badge(Symbol::Bell, kOchre)},
        {32, badge(Symbol::Impact, kRed)},
        {33, badge(Symbol::Gamepad, kBlue)},
        {34, badge(Symbol::Key, kGrey)},
        {35, badge(Symbol::Speaker, kTeal)},
        {36, badge(Symbol::Outline, kPurple)},
        {37, badge(Symbol::Lightning, kOrange)},
        {38, badge(Symbol::Coin, kGreen)},
        {39, badge(Symbol::Back, kBrown)},
        // Victory, devices.
        {40, badge(Symbol::Trophy, kGold)},
        {41, badge(Symbol::Medal, kRed)},
        {42, badge(Symbol::Keyboard, kGrey)},
        {43, badge(Symbol::Joystick, kBlue)},
        {44, badge(Symbol::Joystick, kRed)},
        // Arrows and answers.
        {45, [] { return menuArrow(0xFFC030); }},
        {46, [] { return menuArrow(0x4CD04C); }},
        {47, crossMark},
        {48, [] { return playerTag("P1", 0x2A5AD0); }},
        {49, [] { return playerTag("P2", 0xD02A2A); }},
        {50, [] { return playerTag("CPU", 0x5A6470); }},
        {51, badge(Symbol::Check, kGreen)},
        {52, controlsPicture},
        // Village decorations.
        {53, buntingStrip},
        {54, sunPicture},
        {55, cloudPicture},
        {56, fenceStrip},
        {57, paperLantern},
        {58, hangingSign},
        {59, bonfire},
        {60, strawHat},
        {61, versusStrip},
        {62, streakBadge},
    };
    return list;
}

} // namespace

void makeTitlePictures(const Outputs& out) {
    for (const TitlePicture& p : titlePictures())
        savePicture(out, pictureName("Abertura", p.number, 2, ".tga"), p.make());
}

void makeLandscapePictures(const Outputs& out) {
    savePicture(out, pictureName("Paisagem", 1, 2, ".jpg"), villageCourtyard());
    savePicture(out, pictureName("Paisagem", 2, 2, ".jpg"), farmhouseYard());
}
