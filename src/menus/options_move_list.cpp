// "LISTA-GOLPES": both fighters' move lists, fighter 1 above and fighter 2 below, each
// motion drawn as keypad arrows and button icons.
#include <string_view>

#include "menus/options_menu.h"
#include "menus/options_screens.h"
#include "render/banner_box.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"

namespace options {

namespace {

struct MotionIcon {
    char key;
    int icon;
};

// Numeric-keypad directions as seen by a fighter facing right, then the two buttons.
constexpr MotionIcon motionIcons[] = {
    {'8', 28}, {'9', 29}, {'6', 30}, {'3', 31}, {'2', 32},
    {'1', 33}, {'4', 34}, {'7', 35}, {'S', 53}, {'C', 54},
};

struct Panel {
    int fighter;
    Rgb colour;
    int tag; // "ICONE" player tag
    f64 top, bottom;
};

constexpr Panel panels[] = {
    {1, {20, 50, 140}, 18, 1.62, -0.78},
    {2, {140, 25, 25}, 19, -0.84, -2.9},
};

constexpr f64 rowStep = 0.255;
constexpr f64 nameX = -2.95, motionX = 0.75;

void drawPanel(const Panel& p) {
    const personagem& f = gs.fighter(p.fighter);
    drawBanner(0, p.colour, "", -3.4, p.top, 3.4, p.bottom, 120);
    const f64 headerY = p.top - 0.2;
    drawWavyText(f.displayName.view(), "", "CENTRO", nameX + 0.02, headerY - 0.02, depth, 1.8, 1.8,
                 black, 200, 0);
    drawWavyText(f.displayName.view(), "", "CENTRO", nameX, headerY, depth, 1.8, 1.8, white, 255,
                 0);
    drawSprite("ICONE", p.tag, "CENTRO", 2.95, headerY, 0.38, 0.295, depth, "CENTRO", "", white,
               255, 0, 0, 1, 0, 1);
    for (std::size_t m = 1; m <= 7; ++m) {
        const f64 y = headerY - 0.33 - rowStep * static_cast<f64>(m - 1);
        if (m % 2 == 1) drawBanner(0, black, "", -3.2, y + 0.11, 3.2, y - 0.11, 60);
        drawText(f.moveNames[m].view(), "", "CENTRO", nameX + 0.012, y - 0.012, depth, 1.2, 1.2,
                 black, 200, 0);
        drawText(f.moveNames[m].view(), "", "CENTRO", nameX, y, depth, 1.2, 1.2, {255, 240, 200},
                 255, 0);
        drawMotion(f.moveMotions[m].view(), motionX, y);
    }
}

} // namespace

int motionIcon(char c) {
    for (const MotionIcon& m : motionIcons)
        if (m.key == c) return m.icon;
    return 0;
}

void moveListScreen() {
    for (const Panel& p : panels) drawPanel(p);
    drawHintLine(hintText(2, "/BT2-cVOLTAR"), -3.2, -3.1);
    if (backPressed()) goTo(battleMenuScreen(), moveListRow());
}

} // namespace options

void drawMotion(std::string_view motion, f64 x, f64 y, f64 step) {
    for (char c : motion) {
        if (c == 'A') {
            drawText("(NO AR)", "", "CENTRO", x - 0.08, y + 0.01, options::depth, 0.9, 0.9,
                     {200, 230, 255}, 255, 0);
            x += 2.5 * step;
        } else if (const int icon = options::motionIcon(c); icon != 0) {
            drawSprite("ICONE", icon, "CENTRO", x, y, 0.15, 0.15, options::depth, "CENTRO", "",
                       options::white, 255, 0, 0, 1, 0, 1);
        }
        x += step;
    }
}
