#include "match/round_result.h"

#include <algorithm>
#include <string>

#include "fight/animation.h"
#include "match/phase_text.h"
#include "render/arena_setup.h"
#include "render/banner_box.h"
#include "render/sprites.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/rng.h"

namespace {

// "EMPATE" bursts open wide, then folds away before the draw's next round.
constexpr Beat drawWidths[] = {{99, 0.1}, {98, 0.2}, {97, 0.4}, {96, 0.8},  {95, 1.6},
                               {94, 3.5}, {93, 1},   {55, 0.5}, {54, 0.25}, {53, 0.12}};
// The winner's name snaps in from very wide and folds away at the end.
constexpr Beat nameWidths[] = {{90, 8}, {89, 4},   {88, 2},    {87, 1.5},
                               {19, 2}, {18, 0.5}, {17, 0.25}, {16, 0.12}};
// "PERFEITO" drops in from very tall.
constexpr Beat perfectHeights[] = {{30, 8}, {29, 4}, {28, 2}, {27, 1}, {26, 0.1}};

// The highest stored win streak: the streak is shown as two digits.
constexpr u8 streakLimit = 99;

constexpr Rgb black{0, 0, 0}, white{255, 255, 255};

void drawDrawnRound(i32 t, Rgb colour) {
    phaseText("EMPATE", 0, -0.1, 9 * at(drawWidths, t, 1), 17, colour);
    requestAnimation(1, "DERROTA");
    requestAnimation(2, "DERROTA");
}

// Two tall strips scroll down on the winner's side, 0.15 a tick, wrapping every 40 ticks.
void drawStrips(int winner, i32 t) {
    const f64 x = winner == 1 ? -2.9 : 2.9;
    const f64 y = 4.5 - 0.15 * (t % 40);
    const u8 g = shade(220, 35, t);
    for (const f64 top : {y, y - 6})
        drawSprite("ICONE", 61, "CENTRO", x, top, 0.52, 6, phaseTextDepth, "", "", {g, g, g}, 255,
                   0, 0, 1, 0, 1);
}

void drawVitality(const personagem& f) {
    drawBanner(0, black, "", -1.2, -2.7, 1.2, -3.1, 80);
    drawWavyText("fVITALIDADEf", "CENTRO", "CENTRO", 0, -2.8, phaseTextDepth, 2, 2, white, 255, 0);
    const std::string percent = std::to_string(static_cast<int>(roundHalfEven(f.life))) + "%";
    drawWavyText(percent, "CENTRO", "CENTRO", 0, -3.0, phaseTextDepth, 2, 2, white, 255, 0);
}

void drawPerfect(i32 t) {
    const f64 p = 1 + (75 - t) * 0.005;
    const Rgb colour = t % 2 == 0 ? Rgb{255, 0, 0} : Rgb{255, 255, 0};
    phaseText("PERFEITO", 0, -1.2, 5 * p, 5 * at(perfectHeights, t, p), colour);
}

void showWinner(int winner, i32 t, Rgb colour) {
    personagem& w = gs.fighter(winner);
    drawBanner(0, black, "", -3.5, 0.8, 3.5, 0.2, 80);
    const f64 a = t > 90 && t < 100 ? (100 - t) * 0.1 : at(nameWidths, t, 1);
    phaseText(w.displayName.view(), 0, 0.6, 4 * a, 17, colour);

    gs.cameraTargetX = w.posX;
    gs.cameraTargetY = w.posY + 2.8;
    gs.cameraTargetZ = w.posZ + 6.2;
    gs.cameraHold = 20;
    drawStrips(winner, t);

    requestAnimation(winner, random(2) == 0 ? "VITORIA-1" : "VITORIA-2");
    requestAnimation(3 - winner, "DERROTA");
    if (t > 20 && t < 85) drawVitality(w);
    if (t > 25 && t < 75 && w.life == 100) drawPerfect(t);
}

// A player's button 1 cuts the result short; the computer never does.
void skipByButton() {
    for (int i = 1; i <= 2; ++i) {
        const personagem& f = gs.fighter(i);
        if (f.isHuman != 1 || !pressed(f.inButtons[1], f.inButtonsPrev[1])) continue;
        if (gs.resultTimer > 15 && gs.resultTimer < 85) gs.resultTimer = 15;
    }
}

void recordRound(int winner) {
    gs.transitionTimer() = 30;
    gs.nextScene = "";
    if (winner == 0) return;
    personagem& w = gs.fighter(winner);
    personagem& l = gs.fighter(3 - winner);
    w.roundsWon = std::min<u8>(static_cast<u8>(w.roundsWon + 1), gs.roundsSetting);
    // Only three marks are kept: a longer match from an edited settings file still counts
    // its rounds but leaves the marks at three.
    if (w.roundsWon >= 1 && w.roundsWon <= w.roundMarks.size())
        w.roundMarks[w.roundsWon] = roundMark(w, gs.roundTime);
    if (w.roundsWon >= gs.roundsSetting) {
        gs.nextScene = "VS-VITORIA";
        gs.victoryTimer = 50;
        w.winStreak = std::min<u8>(static_cast<u8>(w.winStreak + 1), streakLimit);
        l.winStreak = 0;
    }
}

void startNextRound() {
    gs.introTimer = 100;
    gs.roundNumber += 1;
    gs.lightingVariant = gs.lightingVariant >= 3 ? 1 : gs.lightingVariant + 1;
    arenaSetup(gs.arena);
}

} // namespace

int roundWinner() {
    const f64 a = gs.fighter(1).life, b = gs.fighter(2).life;
    return a > b ? 1 : b > a ? 2 : 0;
}

std::string roundMark(const personagem& winner, i32 roundTime) {
    std::string mark = roundTime == 0 ? "T" : winner.superFinish != 0 ? "S" : "V";
    mark += std::to_string(winner.lastSuperLevel);
    if (winner.life == 100) mark += "P";
    return mark;
}

void resultStep() {
    gs.hudHide = 2;
    if (gs.worldFrozen == 0) gs.resultTimer -= 1;
    const i32 t = gs.resultTimer;
    const int winner = roundWinner();
    const Rgb colour{shade(230, 15, t), shade(230, 15, t), shade(240, 15, t)};
    if (winner == 0 && t > 52) drawDrawnRound(t, colour);
    if (winner != 0 && t > 15) showWinner(winner, t, colour);

    skipByButton();
    // A skip lands on 15 in this same tick, so the round is still recorded.
    if (gs.resultTimer == 15) recordRound(winner);
    if (gs.resultTimer == 1) startNextRound();
}
