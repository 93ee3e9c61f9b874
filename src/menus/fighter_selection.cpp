// The fighter selection: each active player's cursor on the 4 x 5 grid, the previewed
// fighter sliding in beside it, the confirm with a victory pose, and (two players only)
// the strength each fighter's blows carry.
#include <algorithm>
#include <cmath>
#include <string>

#include "fight/animation.h"
#include "fight/fighter_setup.h"
#include "fight/fighter_update.h"
#include "menus/selection_draw.h"
#include "menus/selection_screens.h"
#include "platform/gfx.h"
#include "render/fighter_renderer.h"
#include "render/lights.h"
#include "render/screen_effects.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/presentation.h"
#include "shell/rng.h"
#include "shell/rosters.h"

namespace {

using selection::depth;
using selection::white;

constexpr f64 strongest = 1.5, weakest = 0.5, strengthStep = 0.25;
constexpr f64 floorY = -4, figureZ = -8;

bool bothHuman() {
    return gs.fighter(1).isHuman == 1 && gs.fighter(2).isHuman == 1;
}

// Fighter 2's panel waits for fighter 1's choice unless both are played by people.
bool panelActive(int i) {
    return i == 1 || bothHuman() || gs.fighter(1).characterChosen == 1;
}

// A computer's cursor is steered by player 1.
personagem& steering(int i) {
    return gs.fighter(i).isHuman == 1 ? gs.fighter(i) : gs.fighter(1);
}

bool buttonPressed(const personagem& f, int b) {
    return pressed(f.inButtons[b], f.inButtonsPrev[b]);
}

// The press is used up: nothing else reads it this tick.
void spendButton(personagem& f, int b) {
    f.inButtonsPrev[b] = 1;
}

bool choosing(int i, const bool active[3]) {
    return active[i] && gs.fighter(i).characterChosen == 0;
}

u8 cursorCharacter(const personagem& f) {
    return gridCharacter(f.selectColumn, f.selectRow);
}

f64 cellX(int column) {
    return -1.2 + 0.8 * (column - 1);
}
f64 cellY(int row) {
    return 0.3 - 0.65 * row;
}

void drawGrid(const bool active[3]) {
    const f64 phase = 0.1256 * gs.gameCycle;
    for (u8 r = 1; r <= 5; ++r) {
        for (u8 c = 1; c <= 4; ++c) {
            const u8 character = gridCharacter(c, r);
            if (character == 0) {
                const f64 s = 1 + 0.2 * std::cos(phase);
                drawSprite("ABERTURA", 11, "CENTRO", cellX(c), cellY(r), 0.36 * s, 0.43 * s, depth,
                           "CIMA", "", white, 255, 0, 0, 1, 0, 1);
                continue;
            }
            bool current = false;
            for (int i = 1; i <= 2; ++i)
                current = current || (choosing(i, active) && gs.fighter(i).character == character);
            const f64 s = 1 + 0.05 * std::cos(phase) + (current ? 0.1 : 0);
            if (current)
                drawSprite("ABERTURA", 15, "CENTRO", cellX(c), cellY(r) - 0.12, 0.7 * s, 0.85 * s,
                           depth, "CIMA", "", white, 255, 0, 0, 1, 0, 1);
            drawSprite("RETRATO", 2 * character, "CENTRO", cellX(c), cellY(r), 0.42 * s, 0.6 * s,
                       depth, "CIMA", "", current ? white : Rgb{150, 150, 150},
                       current ? u8{255} : u8{200}, 0, 0, 1, 0, 1);
        }
    }
}

// Each choosing player's cursor, tagged "P1", "P2" or "CPU" on its own side.
void drawCursors(const bool active[3]) {
    for (int i = 1; i <= 2; ++i) {
        if (!choosing(i, active)) continue;
        const personagem& f = gs.fighter(i);
        const f64 x = -1.22 + 0.8 * (f.selectColumn - 1), y = 0.25 - 0.65 * f.selectRow;
        drawSprite("ABERTURA", i == 1 ? 12 : 13, "CENTRO", x, y, 0.56, 0.8, depth, "CIMA", "",
                   white, 255, 0, 0, 1, 0, 1);
        const int tag = f.isHuman == 0 ? 50 : 47 + i;
        drawSprite("ABERTURA", tag, "CENTRO", x + (i == 1 ? -0.17 : 0.17), y + 0.76, 0.3, 0.15,
                   depth, "CENTRO", "", white, 255, 0, 0, 1, 0, 1);
    }
}

void preview(int i, const bool active[3]) {
    personagem& f = gs.fighter(i);
    if (choosing(i, active) && cursorCharacter(f) != f.character) {
        registerFighter(i, cursorCharacter(f), fighterRoster);
        f.posX = i == 1 ? -6 : 6;
    }
    if (i == 1 && f.posX < -4) f.posX = std::min(f.posX + 0.5, -4.0);
    if (i == 2 && f.posX > 4) f.posX = std::max(f.posX - 0.5, 4.0);
}

void moveCursor(int i, const bool active[3]) {
    if (!choosing(i, active) || gs.transitionTimer() != 0) return;
    personagem& f = gs.fighter(i);
    const personagem& s = steering(i);
    if (pressed(s.inUp, s.inUpPrev)) f.selectRow -= 1;
    if (pressed(s.inDown, s.inDownPrev)) f.selectRow += 1;
    if (pressed(s.inLeft, s.inLeftPrev)) f.selectColumn -= 1;
    if (pressed(s.inRight, s.inRightPrev)) f.selectColumn += 1;
    f.selectColumn = std::clamp<u8>(f.selectColumn, 1, 4);
    f.selectRow = std::clamp<u8>(f.selectRow, 1, 5);
}

void confirmCharacter(int i, const bool active[3]) {
    personagem& f = gs.fighter(i);
    personagem& s = steering(i);
    if (!active[i] || !buttonPressed(s, 1) || gs.transitionTimer() != 0 || f.characterChosen == 1 ||
        f.character == 0)
        return;
    f.characterChosen = 1;
    f.showMarker = 0;
    requestAnimation(i, random(2) == 0 ? "VITORIA-1" : "VITORIA-2");
    spendButton(s, 1);
    gs.soundRequest = 19;
}

void chooseStrength(int i) {
    personagem& f = gs.fighter(i);
    if (f.characterChosen == 0 || f.strengthChosen == 1) return;
    if (pressed(f.inUp, f.inUpPrev)) f.damageScale -= strengthStep;
    if (pressed(f.inDown, f.inDownPrev)) f.damageScale += strengthStep;
    f.damageScale = std::clamp(f.damageScale, weakest, strongest);
    if (buttonPressed(f, 1) && gs.transitionTimer() == 0) {
        f.strengthChosen = 1;
        spendButton(f, 1);
        gs.soundRequest = 19;
    }
}

// Button 2 takes back one step: the strength first, then the character.
void cancel(int i) {
    personagem& f = gs.fighter(i);
    if (!buttonPressed(f, 2) || gs.transitionTimer() != 0) return;
    if (bothHuman() && f.strengthChosen == 1) {
        f.strengthChosen = 0;
        gs.soundRequest = 19;
    } else if (f.characterChosen == 1) {
        f.characterChosen = 0;
        f.showMarker = 1;
        f.anim = "PARADO";
        f.frame = 0;
        spendButton(f, 2);
        gs.soundRequest = 19;
    }
}

void drawFighters(const bool active[3]) {
    if (presenting()) {
        gfx().enable(GL::DEPTH_TEST);
        gfx().enable(GL::TEXTURE_2D);
        gfx().enable(GL::LIGHTING);
        gfx().enable(GL::LIGHT0);
    }
    setPresentationLight();
    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        if (!active[i] || f.character == 0) continue;
        updateFighter(i);
        const bool cheering = f.anim == "VITORIA-1" || f.anim == "VITORIA-2";
        const f64 turn = i == 1 || cheering ? 90 : -90;
        const Pose& p = f.curPose;
        drawShadow(f.posX, floorY, figureZ, f.shadowRadius, 0.5);
        drawFighter(i, white, 1, 0, turn, 0, figureZ + p.root[2], floorY + p.root[1],
                    f.posX + p.root[0]);
    }
    if (presenting()) gfx().disable(GL::DEPTH_TEST);
}

// The name over each shown fighter and, with two players, the strength under "FORÇA".
void drawCaptions(const bool active[3]) {
    for (int i = 1; i <= 2; ++i) {
        const personagem& f = gs.fighter(i);
        if (!active[i] || f.character == 0) continue;
        const f64 side = i == 1 ? -1 : 1;
        const std::string_view align = i == 1 ? "" : "ESQ";
        const std::string_view name = f.displayName.view();
        drawWavyText(name, align, "CENTRO", 3.17 * side + 0.025, 1.175, depth, 2, 2,
                     selection::black, 220, 0);
        drawWavyText(name, align, "CENTRO", 3.17 * side, 1.2, depth, 2, 2, {230, 170, 100}, 255, 0);
        if (!bothHuman() || f.characterChosen == 0) continue;
        const bool open = f.strengthChosen == 0;
        const f64 size = open ? 1.8 + 0.2 * std::cos(0.2512 * gs.gameCycle) : 1.6;
        options::drawShadowedText("FORÇA", "CENTRO", 2.4 * side, 0.85, size, white, 255);
        const std::string percent = std::to_string(std::lround(f.damageScale * 100)) + "%";
        options::drawShadowedText(percent, "CENTRO", 2.4 * side, 0.55, 2.2,
                                  open ? Rgb{255, 220, 90} : white, 255);
        if (!open) continue;
        // Up weakens, down strengthens.
        drawSprite("ICONE", 28, "CENTRO", 2.4 * side - 0.65, 0.55, 0.2, 0.2, depth, "CENTRO", "",
                   white, 255, 0, 0, 1, 0, 1);
        drawSprite("ICONE", 32, "CENTRO", 2.4 * side + 0.65, 0.55, 0.2, 0.2, depth, "CENTRO", "",
                   white, 255, 0, 0, 1, 0, 1);
    }
}

} // namespace

u8 gridCharacter(u8 column, u8 row) {
    if (row != 2) return 0;
    return column == 2 ? 1 : column == 3 ? 2 : 0;
}

void fighterSelectionScene() {
    gfx().loadIdentity();
    gs.gameCycle += 1;
    if (gs.gameCycle > 100) gs.gameCycle = 0;
    const bool active[3] = {false, panelActive(1), panelActive(2)};

    selection::drawBackground();
    drawGrid(active);
    drawCursors(active);
    for (int i = 1; i <= 2; ++i) preview(i, active);
    for (int i = 1; i <= 2; ++i) moveCursor(i, active);
    for (int i = 1; i <= 2; ++i)
        if (gs.fighter(i).isHuman == 1) confirmCharacter(i, active);
    for (int i = 1; i <= 2; ++i)
        if (gs.fighter(i).isHuman == 0) confirmCharacter(i, active);
    for (int i = 1; i <= 2; ++i) {
        if (bothHuman())
            chooseStrength(i);
        else
            gs.fighter(i).strengthChosen = 1;
    }
    drawFighters(active);
    drawCaptions(active);
    for (int i = 1; i <= 2; ++i) cancel(i);
    selection::drawBackHint();

    const personagem& f1 = gs.fighter(1);
    const personagem& f2 = gs.fighter(2);
    if (f1.characterChosen == 1 && f2.characterChosen == 1 && f1.strengthChosen == 1 &&
        f2.strengthChosen == 1 && gs.transitionTimer() == 0)
        requestScene("SELECAO-CENARIO", 50);
    runScreenEffects();
}
