#include <algorithm>

#include "fight/hit_rules.h"
#include "fight/hits.h"
#include "fight/objects.h"
#include "fight/training_frames.h"
#include "fight/training_rules.h"
#include "shell/game_state.h"

namespace {

f64 scaledDamage(const personagem& attacker, f64 damage) {
    return damage * attacker.damageScale * damageLevelFactor(gs.damageLevel);
}

void spawnSpark(u8 kind, const std::array<f64, 3>& at, f64 dz, f64 width, f64 height) {
    spawnObject(kind, "-", objectWhite, at[0], at[1], at[2] + dz, width, height, 0, 0);
}

// Returns the vitality the guarded blow still took.
f64 resolveBlocked(personagem& v, personagem& a) {
    a.superFinish = a.lastSuperLevel != 0 ? 1 : 0;
    if (gs.timeOverTimer > 0) {
        v.pendingDamage = 0;
        v.pendingGuardDamage = 0;
    }
    v.pendingDamage = scaledDamage(a, v.pendingDamage);
    v.guard -= v.posY == 0 ? v.pendingGuardDamage : 1.2 * v.pendingGuardDamage;
    v.guardDelay = 85;
    if (v.airborne == 1) {
        v.jumpVelY = 0.2;
        v.jumpVelX /= 3;
    }
    spawnSpark(13, v.hitPoint, 0.35, 0.75, 0.75);
    for (int i = 0; i < 5; ++i) spawnSpark(8, v.hitPoint, 0.5, 0.12, 0.12);
    gs.soundRequest = 9;
    gs.hitStop *= 1.6;
    // A guard break sets its own pause.
    if (v.guard <= 0) gs.hitStop = 0;
    const f64 chip = v.chipHit == 1 ? 0.25 * v.pendingDamage : 0;
    v.life -= chip;
    keepTrainingLife(v);
    v.slideSpeed = 0.5 * v.pendingKnockback;
    v.frame = 0;
    v.lastHitType = "";
    v.chipHit = 0;
    v.pendingLift = 0;
    v.pendingKnockback = 0;
    v.specialHit = 0;
    v.sparkleOnHit = 0;
    v.actionLock = static_cast<u8>(5 + a.hitLanded);
    v.stunLock = static_cast<u8>(7 + a.hitLanded);
    a.hitLanded = 0;
    v.shakeTimer = 4;
    if (v.life <= 0) {
        v.shakeTimer = 15;
        gs.hitStop = 15;
        gs.effectTimers[2] = 15;
        gs.soundRequest = 10;
    }
    return chip;
}

bool insideOwnWindow(const personagem& f) {
    return std::any_of(f.hits.begin(), f.hits.end(), [&](const Acertos& w) {
        return w.firstFrame <= f.frame && f.frame <= w.lastFrame;
    });
}

void knockItemAway(personagem& v, const personagem& a) {
    if (v.specialHit == 1 && v.items[0] != 0 && v.itemReady == 1) {
        v.itemReady = 0;
        const f64 angle = a.posX >= v.posX ? 45 : 135;
        spawnObject(static_cast<u8>(v.items[0] + 19), "-", objectWhite, v.posX, v.posY + 1.5,
                    v.posZ, 0, 0, angle, 0);
        v.items[0] = 0;
    }
    v.specialHit = 0;
}

void countCombo(personagem& a, f64 damage) {
    if (a.comboTimer <= 26) {
        a.lastDamage = 0;
        a.comboDamage = 0;
    }
    a.lastDamage = damage;
    a.comboDamage += damage;
    if (!(damage > 0)) return;
    if (a.comboTimer <= 26) a.hitCount = 0;
    if (a.hitCount < 99) a.hitCount += 1;
    a.comboTimer = 35;
    if (a.posY > 0) a.comboHold = 4;
}

void applyAirOrGround(personagem& v, const personagem& a) {
    if (v.posY >= 0.5 && v.pendingKnockback != 0 && !keepsAirHitLevel(v.lastHitType)) {
        v.posY += 0.5;
        v.jumpVelY = 0.5;
        v.airborne = 1;
        v.jumpVelX = a.facing == "DIR" ? 0.13 : -0.13;
        v.lastHitType = "SOFRE-ATAQUE-AR";
        v.frame = 0;
    }
    if (v.posY < 0.5) {
        v.jumpVelY = 0;
        v.airborne = 0;
        v.posY = 0;
    }
}

void spawnHitSparks(const personagem& v) {
    for (int i = 0; i < 5; ++i) spawnSpark(6, v.hitPoint, 0.5, 0.2, 0.2);
    for (int i = 0; i < 5; ++i) spawnSpark(7, v.hitPoint, 0.5, 0.66, 0.09);
    for (int i = 0; i < 5; ++i) spawnSpark(8, v.hitPoint, 0.5, 0.12, 0.12);
    spawnSpark(10, v.hitPoint, 0.5, 0.5, 0.5);
}

// Returns true when the hit ended a juggle and threw the victim away.
bool juggle(personagem& v, personagem& a) {
    v.frame = 5;
    a.airComboStep += 1;
    if (a.airComboStep != 6) return false;
    v.anim = "QUEDA-1";
    v.airborne = 1;
    v.frame = 0;
    v.jumpVelX = v.facing == "DIR" ? -0.5 : 0.5;
    v.jumpVelY = 0.3;
    v.intangible = 0;
    a.jumpVelY = 0.4;
    return true;
}

// The reaction is written directly, so it interrupts whatever the victim was doing.
void react(personagem& v, personagem& a) {
    const std::string_view reaction = reactionFor(v.lastHitType);
    if (!reaction.empty()) v.anim = reaction;
    if (v.lastHitType == "ALTO-COMBO") {
        spawnSpark(14, v.hitPoint, 0, 8, 8);
        a.airComboStep = 0;
    }
    v.frame = 0;
}

void resolveUnblocked(personagem& v, personagem& a) {
    a.superFinish = a.lastSuperLevel != 0 ? 1 : 0;
    if (gs.timeOverTimer > 0) {
        v.pendingDamage = 0;
        v.pendingDizzy = 0;
        v.specialHit = 0;
    }
    if (!(v.lastHitType == "-")) {
        v.rotX = 0;
        v.rotY = v.facing == "DIR" ? 90 : -90;
    }
    v.rotZ = 0;
    v.crouchLock = 0;
    v.actionLock = 0;
    v.stunLock = 0;
    v.pendingDamage = scaledDamage(a, v.pendingDamage);
    if (v.attacking == 1 && insideOwnWindow(v)) a.hudTimerB = 40;
    if (v.sparkleOnHit == 1) {
        v.sparkleOnHit = 0;
        v.sparkleTimer = 45;
    }
    knockItemAway(v, a);
    countCombo(a, v.pendingDamage);
    if (gs.firstHitDone == 0) {
        gs.firstHitDone = 1;
        a.hudTimerA = 40;
    }
    v.life -= v.pendingDamage;
    keepTrainingLife(v);
    v.power += 1.5 * v.pendingDamage;
    v.dizzy += v.pendingDizzy;
    v.dizzyDelay = 70;
    v.slideSpeed = v.pendingKnockback;
    if (v.dizzy >= 100) {
        v.lastHitType = "BAIXO-DERRUBA";
        v.pendingLift = 0.1;
        v.slideSpeed = a.facing == v.facing ? 0.07 : -0.07;
    }
    applyAirOrGround(v, a);
    if (v.wasHit == 1) spawnHitSparks(v);
    if (v.hitSound != 0) gs.soundRequest = v.hitSound;
    bool thrown = false;
    if (v.anim == "SOFRE-COMBO-AEREO")
        thrown = juggle(v, a);
    else
        react(v, a);
    if (v.anim == "QUEDA-1" && !thrown) {
        v.airborne = 1;
        v.jumpVelY = 0.45 + v.pendingLift;
        v.jumpVelX = v.facing == "DIR" ? v.slideSpeed : -v.slideSpeed;
        v.frame = 0;
    }
    if (v.anim == "QUEDA-1" || v.anim == "QUEDA-3" || v.anim == "DESMAIAR") v.intangible = 1;
    v.lastHitType = "";
    v.pendingDamage = 0;
    v.chipHit = 0;
    v.pendingGuardDamage = 0;
    v.pendingDizzy = 0;
    v.pendingLift = 0;
    v.pendingKnockback = 0;
}

} // namespace

void damagePass(int index) {
    personagem& victim = gs.fighter(index);
    personagem& attacker = gs.fighter(3 - index);
    if (victim.lastHitType.empty()) return;
    const f64 guardBefore = victim.guard;
    if (victim.guarding == 1) {
        const f64 chip = resolveBlocked(victim, attacker);
        noteTrainingContact(index, true, chip, guardBefore - victim.guard);
    } else {
        resolveUnblocked(victim, attacker);
        noteTrainingContact(index, false, attacker.lastDamage, 0);
    }
}
