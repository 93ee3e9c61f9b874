#include "fight/fighter_update.h"

#include <algorithm>
#include <cmath>

#include "fight/animation.h"
#include "fight/common_animations.h"
#include "fight/fight_hooks.h"
#include "fight/fighter_update_steps.h"
#include "fight/items.h"
#include "fight/objects.h"
#include "fight/training_rules.h"
#include "shell/rng.h"

namespace {

bool unfrozen() {
    return gs.worldFrozen == 0;
}

bool isOneOf(const Name& anim, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(), [&](std::string_view n) { return anim == n; });
}

void refreshOpponentSide(personagem& f, const personagem& o) {
    if (f.posX + 0.2 < o.posX) f.opponentSide = "DIR";
    if (f.posX - 0.2 > o.posX) f.opponentSide = "ESQ";
}

void knockOut(personagem& f, WorkingAnimation& w) {
    keepTrainingLife(f);
    if (f.life > 0) return;
    const bool noPhaseRunning = gs.knockOutTimer == 0 && gs.resultTimer == 0;
    if (f.posY == 0 && noPhaseRunning) {
        f.airborne = 0;
        f.jumpVelY = 0;
        w.anim = "DESMAIAR";
        w.frame = 0;
        f.rotX = 0;
        f.rotZ = 0;
        f.rotVel[0] = 0;
        f.rotVel[2] = 0;
        gs.knockOutTimer = 50;
    }
    // Idle when the knock-out phase was already running.
    if (f.posY == 0 && w.anim == "PARADO") {
        w.anim = "DESMAIAR";
        w.frame = 0;
    }
    if (f.posY > 0 && noPhaseRunning) {
        w.anim = "QUEDA-1";
        f.airborne = 1;
        gs.knockOutTimer = 50;
    }
}

// Guard and dizziness recover on their own once their delays have run out, except while
// the fighter is being hit, falls, lies or is knocked out.
void recoverGauges(personagem& f) {
    if (isOneOf(f.anim, {"SOFRE-ATAQUE-ALTO-1", "SOFRE-ATAQUE-ALTO-2", "SOFRE-ATAQUE-BAIXO",
                         "SOFRE-ATAQUE-AR", "SOFRE-COMBO-AEREO", "SOFRE-AGARRAMENTO", "QUEDA-1",
                         "QUEDA-2", "QUEDA-3", "DEITADO", "DESMAIAR", "QUEBRA-GUARDA"}))
        return;
    f.guardDelay = std::min<u8>(f.guardDelay, 85);
    if (unfrozen() && f.guardDelay > 0) --f.guardDelay;
    f.guard = std::clamp(f.guard, 0.0, 100.0);
    if (unfrozen() && f.guardDelay == 0 && f.guard > 0) f.guard += 0.15;
    f.dizzyDelay = std::min<u8>(f.dizzyDelay, 70);
    if (unfrozen() && f.dizzyDelay > 0) --f.dizzyDelay;
    f.dizzy = std::clamp(f.dizzy, 0.0, 100.0);
    // A full gauge does not decay.
    if (unfrozen() && f.dizzyDelay == 0 && f.dizzy > 0 && f.dizzy < 100) f.dizzy -= 0.5;
}

void countDown(int index, personagem& f) {
    if (f.shakeTimer > 0) f.shakeTimer -= 1;
    if (f.chainWindow > 0) f.chainWindow -= 1;
    if (f.sparkleTimer > 0) {
        f.sparkleTimer -= 1;
        const f64 x = f.posX - 0.6 + random(120) * 0.01;
        const f64 y = f.posY + 0.6 + random(40) * 0.01;
        spawnObject(31, "-", objectWhite, x, y, f.posZ, 0.8, 0.8, 0, static_cast<u8>(index));
    }
    if (f.glowTimer > 0) {
        f.glowTimer -= 1;
        if (f.glowTimer <= 0) f.glowTimer = 0;
    }
}

// The red bar waits while the opponent's combo is alive, then drains 4 per tick.
void trailLife(personagem& f, const personagem& o) {
    if (f.lifeTrail < 0) f.lifeTrail = 0;
    if (unfrozen() && o.comboTimer < 26 && f.lifeTrail > f.life) f.lifeTrail -= 4;
    if (f.lifeTrail < f.life) f.lifeTrail = f.life;
    if (f.lifeTrail > 100) f.lifeTrail = 100;
}

// The distance between the facing edges of the two body boxes.
void measureGap() {
    const personagem& a = gs.fighter(1);
    const personagem& b = gs.fighter(2);
    if (a.posX <= b.posX)
        gs.fighterGap = std::fabs((b.posX + b.bodyBoxMin[0]) - (a.posX + a.bodyBoxMax[0]));
    else
        gs.fighterGap = std::fabs((a.posX + a.bodyBoxMin[0]) - (b.posX + b.bodyBoxMax[0]));
}

void superBookkeeping(personagem& f, const personagem& o) {
    if (f.attacking == 0 && f.specialAttacking == 0 && o.life > 0) f.lastSuperLevel = 0;
    // The stocks are spent once the super's flash is over.
    if (f.stocksToSpend > 0 && gs.effectTimers[3] == 0) {
        // Never below empty: a wrapped count would read as a full gauge.
        f.stocks = static_cast<u8>(f.stocks > f.stocksToSpend ? f.stocks - f.stocksToSpend : 0);
        f.lastSuperLevel = f.stocksToSpend;
        f.stocksToSpend = 0;
    }
}

void applyItemEffect(personagem& f) {
    if (!(f.life > 0 && f.itemEffect != 0 && gs.paused == 0 && gs.pauseMenuOpen == 0 &&
          gs.timeOverTimer == 0 && gs.introTimer == 0 && gs.knockOutTimer == 0 &&
          gs.resultTimer == 0))
        return;
    f.itemEffectTimer -= f.itemEffect == 5 ? 0.4 : 0.5;
    if (f.itemEffectTimer < 0) f.itemEffect = 0;
    switch (f.itemEffect) {
    case 2:
        f.life += 0.12;
        break;
    case 3:
        f.power += 1;
        break;
    case 4:
        f.life += 0.18;
        break;
    case 5:
        f.invisible = 1;
        break;
    default:
        break;
    }
}

void keepCombo(personagem& f, const personagem& o) {
    if (unfrozen() && f.comboTimer > 0) {
        f.comboTimer -= 1;
        // An air combo keeps the combo open.
        if (o.anim == "SOFRE-COMBO-AEREO" && 3 < f.comboTimer && f.comboTimer < 33)
            f.comboTimer = 33;
    }
    if (unfrozen() && f.comboHold > 0 && f.comboTimer == 28) {
        f.comboHold -= 1;
        f.comboTimer = 29;
    }
    if (f.comboTimer <= 0) f.hitCount = 0;
}

void advanceFrame(personagem& f, const personagem& o, WorkingAnimation& w) {
    if (unfrozen() || (gs.paused == 0 && gs.pauseMenuOpen == 0 && f.movesWhileFrozen == 1))
        w.frame += 1;
    f.invisible = 0;
    applyItemEffect(f);
    if (unfrozen()) {
        f.hudTimerA -= 1;
        f.hudTimerB -= 1;
    }
    keepCombo(f, o);
    if (unfrozen()) {
        if (f.stunLock > 0) --f.stunLock;
        if (f.actionLock > 0) --f.actionLock;
    }
    if (unfrozen() && f.crouchLock > 0 &&
        isOneOf(w.anim, {"PARADO", "ANDAR-TRAS", "ANDAR-FRENTE", "AGACHAR"})) {
        --f.crouchLock;
        w.anim = "AGACHAR";
        w.frame = 0;
        if (f.stunLock == 0) f.stunLock = 1;
        if (f.actionLock == 0) f.actionLock = 1;
    }
}

void limitPower(personagem& f) {
    f.power = std::clamp(f.power, 0.0, 100.0);
    if (f.stocks > 3) f.stocks = 3;
    if (f.stocks == 3) f.power = 0;
}

void breakGuard(personagem& f, WorkingAnimation& w) {
    if (f.guard > 0) return;
    w.anim = "QUEBRA-GUARDA";
    w.frame = 0;
    gs.hitStop = 5;
    for (int k = 0; k < 20; ++k)
        spawnObject(6, "-", objectWhite, f.posX, f.posY + 2, f.posZ + 0.3, 0.15, 0.15, 0, 0);
    gs.soundRequest = 10;
    f.guard = 75;
}

// An idle fighter with a full dizzy gauge falls over. The fall goes into the working copy
// as well as the record: the write-back before the character's update would undo it else.
void fallFromDizziness(personagem& f, WorkingAnimation& w) {
    if (f.dizzy >= 100 && f.anim == "PARADO") {
        f.anim = "QUEDA-1";
        w.anim = "QUEDA-1";
        f.airborne = 1;
        f.jumpVelY = 0.5;
        w.frame = 0;
    }
    if (f.dizzy >= 100 && f.posY > 0) f.airborne = 1;
}

void fillStock(personagem& f) {
    if (f.power < 100) return;
    f.power -= 100;
    if (f.stocks < 3) {
        f.stocks += 1;
        spawnObject(4, "-", objectWhite, f.posX, f.posY + 1.5, f.posZ + 0.2, 0.15, 0.15, 0, 0);
        f.glowTimer = 15;
        gs.soundRequest = 12;
    }
    // Shown full for this tick; the next tick's limits empty it.
    if (f.stocks >= 3) {
        f.stocks = 3;
        f.power = 100;
    }
}

void turnToOpponent(int index, personagem& f, const WorkingAnimation& w) {
    if (isOneOf(w.anim, {"PARADO", "ANDAR-TRAS", "AGACHAR", "ANDAR-FRENTE", "QUEDA-3",
                         "SOFRE-COMBO-AEREO", "SOFRE-AGARRAMENTO"}) &&
        f.posY == 0)
        faceOpponent(index);
    if (w.anim == "TONTO") f.rotY = 90;
}

void handOverToCharacter(int index, personagem& f, WorkingAnimation& w) {
    f.animLoops = 0;
    if (!(w.anim == "DEFESA-ALTA" || w.anim == "DEFESA-BAIXA")) f.guarding = 0;
    w.storeIn(f);
    f.movesWhileFrozen = 0;
    characterUpdate(index);
    w = WorkingAnimation::of(f);
}

// The arena's ends, and with the camera at rest the edges of the picture.
void keepInBounds(personagem& f) {
    if (!(gs.sceneName == "BATALHA")) return;
    f.posX = std::clamp(f.posX, gs.arenaLimitX1, gs.arenaLimitX2);
    if (gs.cameraHold == 0 && gs.cameraX == gs.cameraTargetX)
        f.posX = std::clamp(f.posX, gs.cameraX - 5.3, gs.cameraX + 5.3);
}

} // namespace

void updateFighter(int index) {
    personagem& f = gs.fighter(index);
    personagem& o = gs.opponent(index);
    WorkingAnimation w = WorkingAnimation::of(f);
    const Name queuedAtStart = w.queuedAnim;

    refreshOpponentSide(f, o);
    compactItems(index);
    if (gs.sceneName == "BATALHA") f.showMarker = gs.introTimer > 0 ? 1 : 0;
    knockOut(f, w);
    recoverGauges(f);
    countDown(index, f);
    f.life = std::clamp(f.life, 0.0, 100.0);
    trailLife(f, o);
    measureGap();
    superBookkeeping(f, o);
    f.rotX += f.rotVel[0];
    f.rotY += f.rotVel[1];
    f.rotZ += f.rotVel[2];
    advanceFrame(f, o, w);
    limitPower(f);
    breakGuard(f, w);
    f.attacking = 0;
    f.specialAttacking = 0;
    f.boxMargin = 0;
    f.neutral = 1;
    fallFromDizziness(f, w);
    endAnimation(index, w);
    startQueuedAnimation(index, w, queuedAtStart);
    slide(index, w);
    moveInAir(index, w);
    land(index, w);
    fillStock(f);
    turnToOpponent(index, f, w);
    handOverToCharacter(index, f, w);
    applyCommonAnimation(index, w);
    keepInBounds(f);
    w.blend = std::clamp(w.blend, 0.0, 100.0);
    blendKeyframes(index, w.blend);
    w.storeIn(f);
}
