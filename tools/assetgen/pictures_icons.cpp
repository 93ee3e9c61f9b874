// Menu and HUD icons ("Icone001".."Icone085"): which picture each number is.
#include <functional>

#include "generators.h"
#include "pictures_icons_parts.h"

using namespace iconart;

namespace {

struct IconRecipe {
    int number;
    std::function<Image()> make;
};

// Every icon number with its picture; the families live in pictures_icons_*.cpp.
std::vector<IconRecipe> iconRecipes() {
    std::vector<IconRecipe> r = {
        {1, clockFrame},
        {2, lifeFrame},
        {3, portraitFrame},
        {4, [] { return barFill(false, false); }},
        {5, powerFrame},
        {6, stockLamp},
        {7, [] { return barFill(false, true); }},
        {8, guardFrame},
        {9, guardLamp},
        {10, [] { return barFill(false, false); }},
        {11, dizzyFrame},
        {12, dizzyLamp},
        {13, [] { return barFill(true, false); }},
        {14, [] { return notice("CONTRA", "ATAQUE", rgb(255, 60, 40)); }},
        {15, itemFrame},
        {16, clockBand},
        {17, noClockEmblem},
        {18, [] { return playerTag("P1", playerBlue); }},
        {19, [] { return playerTag("P2", playerRed); }},
        {20, [] { return playerTag("CPU", playerBlue); }},
        {21, [] { return playerTag("CPU", playerRed); }},
        {26, [] { return powerMark("PODER", rgb(255, 190, 40)); }},
        {27, [] { return powerMark("MÁXIMO", rgb(255, 70, 40)); }},
        {36, [] { return notice("PRIMEIRO", "GOLPE", rgb(255, 200, 40)); }},
        {47, dizzyStar},
        {48, promptButton},
        {49, promptMarker},
        {50, [] { return waggleArrow(0); }},
        {51, [] { return waggleArrow(-1); }},
        {52, [] { return waggleArrow(1); }},
        {53, punchIcon},
        {54, kickIcon},
        {57, itemEffectPanel},
        {58, [] { return barFill(false, false); }},
        {59, [] { return stick(-1); }},
        {60, [] { return stick(1); }},
        {61, victoryStrip},
    };
    for (int d = 0; d <= 3; ++d) r.push_back({22 + d, [d] { return stockDigit(d); }});
    // Numeric-keypad directions: 8 up, 9 up-forward, 6 forward, 3, 2, 1, 4, 7.
    const int keypad[8] = {8, 9, 6, 3, 2, 1, 4, 7};
    for (int i = 0; i < 8; ++i) r.push_back({28 + i, [k = keypad[i]] { return keypadArrow(k); }});
    for (int d = 0; d <= 9; ++d) r.push_back({37 + d, [d] { return comboDigit(d); }});
    for (int n : {55, 56}) r.push_back({n, [n] { return menuIcon(n); }});
    for (int n = 62; n <= 85; ++n) r.push_back({n, [n] { return menuIcon(n); }});
    return r;
}

} // namespace

void makeIconPictures(const Outputs& out) {
    for (const IconRecipe& recipe : iconRecipes())
        savePicture(out, pictureName("Icone", recipe.number, 3, ".tga"), recipe.make());
}
