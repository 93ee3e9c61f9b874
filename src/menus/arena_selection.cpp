// The arena selection: a 3 x 5 grid of which the first two cells are the arenas; the
// cell under the cursor shows its landscape and name, and either fighter's button 1 takes
// a filled cell to the versus presentation.
#include <cmath>

#include "menus/menu_input.h"
#include "menus/selection_draw.h"
#include "menus/selection_screens.h"
#include "platform/gfx.h"
#include "render/arena_setup.h"
#include "render/screen_effects.h"
#include "render/sprites.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/rosters.h"

namespace {

using selection::depth;
using selection::white;

constexpr u8 columns = 3, rows = 5, arenaCount = 2;
constexpr f64 gridLeft = -2.75, gridTop = 0.75, cellStepX = 0.68, cellStepY = 0.6;

void drawGrid() {
    const f64 pulse = 1 + 0.08 * std::cos(0.1256 * gs.gameCycle);
    for (u8 r = 1; r <= rows; ++r) {
        for (u8 c = 1; c <= columns; ++c) {
            const int cell = (r - 1) * columns + c;
            const bool lit = cell == gs.arena;
            const f64 x = gridLeft + cellStepX * (c - 1), y = gridTop - cellStepY * (r - 1);
            const f64 s = lit ? pulse : 1;
            if (lit)
                drawSprite("ABERTURA", 15, "CENTRO", x, y, 0.78 * s, 0.66 * s, depth, "CENTRO", "",
                           white, 255, 0, 0, 1, 0, 1);
            if (cell > arenaCount) {
                drawSprite("ABERTURA", 11, "CENTRO", x, y, 0.36 * s, 0.43 * s, depth, "CENTRO", "",
                           lit ? white : Rgb{170, 170, 170}, 255, 0, 0, 1, 0, 1);
                continue;
            }
            // A filled cell: the arena's landscape in a wooden frame.
            drawSprite("PAISAGEM", cell, "CENTRO", x, y, 0.52 * s, 0.36 * s, depth, "CENTRO", "",
                       lit ? white : Rgb{170, 170, 170}, 255, 0, 0, 1, 0, 1);
            drawSprite("ABERTURA", 10, "CENTRO", x, y, 0.62 * s, 0.46 * s, depth, "CENTRO", "",
                       white, 255, 0, 0, 1, 0, 1);
        }
    }
}

void drawChoice() {
    if (gs.arena < 1 || gs.arena > arenaCount) return;
    drawSprite("PAISAGEM", gs.arena, "CENTRO", 1.3, 0.05, 3.6, 1.8, depth, "CENTRO", "", white, 255,
               0, 0, 1, 0, 1);
    drawSprite("ABERTURA", 10, "CENTRO", 1.3, 0.05, 3.85, 2.05, depth, "CENTRO", "", white, 255, 0,
               0, 1, 0, 1);
    options::drawShadowedText(arenaRoster[gs.arena], "CENTRO", 1.3, -1.2, 1.4, {255, 230, 150},
                              255);
}

bool buttonOnePressed(const personagem& f) {
    return pressed(f.inButtons[1], f.inButtonsPrev[1]);
}

} // namespace

void arenaSelectionScene() {
    if (gs.transitionTimer() == 0) moveMenuCursors();
    if (gs.menuColumn < 1) gs.menuColumn = 1;
    if (gs.menuColumn > columns) gs.menuColumn = columns;
    if (gs.menuCursor < 1) gs.menuCursor = 1;
    if (gs.menuCursor > rows) gs.menuCursor = rows;
    gs.arena = static_cast<u8>((gs.menuCursor - 1) * columns + gs.menuColumn);
    gs.gameCycle += 1;
    if (gs.gameCycle > 100) gs.gameCycle = 0;

    gfx().loadIdentity();
    selection::drawBackground();
    drawGrid();
    drawChoice();
    selection::drawBackHint();

    const bool confirm = buttonOnePressed(gs.fighter(1)) || buttonOnePressed(gs.fighter(2));
    if (confirm && gs.transitionTimer() == 0 && gs.arena <= arenaCount) {
        gs.lightingVariant = 1;
        arenaSetup(gs.arena);
        gs.soundRequest = 19;
        requestScene("VS-APRESENTACAO");
        gs.versusTimer = 150;
    }
    runScreenEffects();
}
