#include "match/battle_scene.h"

#include "fight/animation.h"
#include "fight/commands.h"
#include "fight/fight_hooks.h"
#include "fight/fighter_update.h"
#include "fight/hits.h"
#include "fight/objects.h"
#include "fight/training_dummy.h"
#include "fight/training_frames.h"
#include "fight/training_recorder.h"
#include "fight/training_room.h"
#include "fight/training_rules.h"
#include "match/battle_camera.h"
#include "match/battle_hud.h"
#include "match/battle_lights.h"
#include "match/item_drop.h"
#include "match/round_phases.h"
#include "match/round_result.h"
#include "match/training_display.h"
#include "platform/gfx.h"
#include "render/arena_draw.h"
#include "render/banner_box.h"
#include "render/fighter_renderer.h"
#include "render/screen_effects.h"
#include "render/sprites.h"
#include "shell/game_state.h"
#include "shell/presentation.h"
#include "shell/rounding.h"

namespace {

bool phaseRunning() {
    return gs.introTimer > 0 || gs.timeOverTimer > 0 || gs.knockOutTimer > 0 || gs.resultTimer > 0;
}

// A fight left for the title screen stands still while the curtain closes over it.
bool leavingForTitle() {
    return gs.nextScene == "OPCOES";
}

// After the fight is decided nobody acts; a dizzy fighter only stands.
bool mayAct(const personagem& f) {
    return f.dizzy < 100 && gs.timeOverTimer == 0 && gs.knockOutTimer == 0 && gs.resultTimer == 0;
}

void commandStep() {
    if (gs.pauseMenuOpen != 0 || gs.paused != 0 || gs.effectTimers[3] != 0 || leavingForTitle())
        return;
    for (int i = 1; i <= 2; ++i) {
        if (!mayAct(gs.fighter(i)))
            requestAnimation(i, "PARADO");
        else if (gs.fighter(i).isHuman == 1 && trainingBattle() && i != dummyIndex)
            trainingPlayerStep(i);
        else if (gs.fighter(i).isHuman == 1)
            readCommands(i);
        else if (trainingBattle() && i == dummyIndex)
            trainingDummyStep(i);
        else
            cpuStep(i);
    }
}

void fighterUpdates() {
    for (int i = 1; i <= 2; ++i)
        if (gs.worldFrozen == 0 || gs.fighter(i).movesWhileFrozen == 1) updateFighter(i);
}

// Two solid fighters never stand inside each other: each overlapping tick pushes them 0.1
// apart, frozen or not.
void pushApart() {
    personagem& f1 = gs.fighter(1);
    personagem& f2 = gs.fighter(2);
    if (f1.bodySolid != 1 || f2.bodySolid != 1 || !bodiesOverlap()) return;
    if (f1.posX <= f2.posX) {
        f1.posX -= 0.1;
        f2.posX += 0.1;
    }
    if (f1.posX > f2.posX) {
        f1.posX += 0.1;
        f2.posX -= 0.1;
    }
}

// A fighter that has just been hit shakes 0.05 left and right with the hit-stop count.
void drawFighterAndShadow(int index) {
    const personagem& f = gs.fighter(index);
    const Pose& p = f.curPose;
    f64 shake = 0;
    if (f.shakeTimer > 0)
        shake = static_cast<long long>(roundHalfEven(gs.hitStop)) % 2 == 0 ? -0.05 : 0.05;
    drawFighter(index, {255, 255, 255}, 1, f.rotZ, f.rotY, f.rotX, f.posZ + p.root[2],
                f.posY + p.root[1], f.posX + p.root[0] + shake);
    if (f.invisible == 0)
        drawShadow(f.posX + p.root[0], 0.02, f.posZ, f.shadowRadius - f.posY / 15,
                   0.5 - f.posY / 15);
}

// What has been drawn so far goes to the renderer at once. A software renderer fills
// what it has been handed on its own threads while the game goes on submitting the rest
// of the frame, instead of filling everything after the last call.
void handToRenderer() {
    if (presenting()) gfx().flush();
}

void objectUpdates() {
    for (std::size_t n = 1; n <= gs.objectPool.size(); ++n) {
        const objeto& o = gs.objectPool[n];
        if (o.kind == 0) continue;
        const bool runsThroughFreeze =
            gs.paused == 0 && gs.pauseMenuOpen == 0 && o.runsWhileFrozen == 1;
        if (gs.worldFrozen == 0 || runsThroughFreeze) updateObject(static_cast<int>(n));
    }
}

void hitResolution() {
    guardPass(1);
    guardPass(2);
    damagePass(1);
    damagePass(2);
}

void overlay() {
    gfx().loadIdentity();
    if (presenting()) {
        gfx().disable(GL::DEPTH_TEST);
        gfx().alphaFunc(GL::GREATER, 0.2f);
    }
    runScreenEffects();
}

void hud() {
    fighterHud(1);
    fighterHud(2);
    handToRenderer();
    sharedHud();
    trainingHud();
}

void phases() {
    if (gs.introTimer > 0) introStep();
    if (gs.timeOverTimer > 0) timeOverStep();
    if (gs.knockOutTimer > 0) knockOutStep();
    if (gs.resultTimer > 0) resultStep();
}

void hudSlide() {
    if (!phaseRunning()) gs.hudHide = 0;
    // The HUD leaves the screen during an air combo.
    if (gs.fighter(1).anim == "SOFRE-COMBO-AEREO" || gs.fighter(2).anim == "SOFRE-COMBO-AEREO")
        gs.hudHide = 2;
}

// "PAUSA" blinks, 31 ticks on and 20 off.
void pauseDisplay() {
    gs.pauseCycle += 1;
    if (gs.pauseCycle > 50) gs.pauseCycle = 0;
    if (gs.paused == 1 && gs.pauseCycle <= 30)
        drawBanner(0, {0, 0, 0}, "PAUSA", -0.8, -0.5, 0.8, -0.7, 100);
    if (gs.pauseMenuOpen == 1) drawBanner(0, {0, 0, 0}, "", -3.5, 1.8, 3.5, -3.5, 100);
}

} // namespace

void freezeStep() {
    const bool someoneMovesAlone =
        gs.fighter(1).movesWhileFrozen == 1 || gs.fighter(2).movesWhileFrozen == 1;
    const bool frozen = gs.paused == 1 || gs.pauseMenuOpen == 1 || someoneMovesAlone ||
                        gs.effectTimers[3] > 0 || leavingForTitle();
    gs.worldFrozen = frozen ? 1 : 0;
    // Pause exists only in the fight phase.
    if (gs.paused == 1 && phaseRunning()) gs.paused = 0;
    if (gs.worldFrozen == 0 && gs.hitStop > 0) {
        gs.hitStop -= 1;
        gs.worldFrozen = 1;
    }
    if (gs.hitStop < 0) gs.hitStop = 0;
}

void battleScene() {
    freezeStep();
    if (gs.worldFrozen == 0) gs.gameCycle += 1;
    if (gs.gameCycle > 50) gs.gameCycle = 0;

    updateBattleCamera();
    applyBattleCamera();
    applyBattleLights();

    commandStep();
    fighterUpdates();
    measureTrainingMove();
    itemDrop();

    if (!(gs.effectTimers[2] > 0 || gs.effectTimers[4] > 0)) {
        drawArena();
        drawFloorShadows();
        handToRenderer();
    }
    pushApart();
    for (int i = 1; i <= 2; ++i) drawFighterAndShadow(i);
    objectUpdates();
    drawObjects();
    drawTrainingBoxes();
    handToRenderer();
    hitResolution();
    trainingRoomStep();

    overlay();
    hud();
    roundClock();
    phases();
    hudSlide();
    pauseDisplay();
}
