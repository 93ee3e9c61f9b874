// The computer opponent: one tick of perception and independent random decisions, each
// expressed as animation requests that the transition rules accept or drop.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "fight/animation.h"
#include "fight/cpu_attacks.h"
#include "fight/cpu_choices.h"
#include "fight/cpu_perception.h"
#include "fight/cpu_reading.h"
#include "fight/cpu_weights.h"
#include "fight/fight_hooks.h"
#include "shell/game_state.h"
#include "shell/rng.h"

namespace {

bool isGuard(std::string_view anim) {
    return anim == "DEFESA-ALTA" || anim == "DEFESA-BAIXA" || anim == "DEFESA-AEREA";
}

bool isHighBlow(std::string_view hitType) {
    for (std::string_view high :
         {"ALTO-1", "ALTO-2", "ALTO-3", "ALTO-4", "ALTO-DERRUBA", "VOADORA"})
        if (hitType == high) return true;
    return false;
}

// Weights and damage handicap of the difficulty, then what the round and the opponent
// change about them.
void weigh(CpuTick& c) {
    c.f.cpuMayAttack = 1;
    c.f.cpuWeights = c.level.weights;
    c.f.cpuCooldownReset = c.level.cooldownReset;
    c.f.damageScale = c.level.ownDamageScale;
    if (c.o.isHuman == 1) c.o.damageScale = c.level.humanDamageScale;
    if (gs.introTimer > 0)
        for (CpuWeight w : {CpuWeight::grab, CpuWeight::run, CpuWeight::attack, CpuWeight::special,
                            CpuWeight::item})
            cpuWeight(c.f, w) = 0;
    if (c.o.invisible == 1)
        for (CpuWeight w : {CpuWeight::move, CpuWeight::guard, CpuWeight::dodge, CpuWeight::attack,
                            CpuWeight::special})
            cpuWeight(c.f, w) *= 0.75;
    if (c.o.anim == "TONTO") {
        cpuWeight(c.f, CpuWeight::move) *= 2;
        cpuWeight(c.f, CpuWeight::special) *= 2;
    }
}

void coolDown(CpuTick& c) {
    if (c.f.crouchLock > 0 && c.f.posY == 0) c.f.cpuCooldown = c.f.cpuCooldownReset;
    if (c.f.attacking == 0 && c.f.cpuCooldown > 0 && gs.worldFrozen == 0)
        c.f.cpuCooldown = std::max(0.0, c.f.cpuCooldown - 1);
}

void grab(CpuTick& c) {
    if (c.f.cpuCooldown != 0 || !chance(c.weight(CpuWeight::grab))) return;
    if (c.f.anim == "CORRIDA") c.ask("PARADO");
    c.ask(random(2) == 0 ? "AGARRAR-SOCO" : "AGARRAR-CHUTE");
}

void roll(CpuTick& c) {
    const f64 d = c.f.cpuDistance;
    auto rollNow = [&] {
        return d <= 2.2 && chance(c.weight(CpuWeight::run)) &&
               (c.f.cpuThreat == 1 || c.f.cpuObjectNear == 1);
    };
    if (rollNow()) c.ask("ROLAR-FRENTE");
    if (rollNow()) c.ask("ROLAR-TRAS");
}

void guard(CpuTick& c) {
    const f64 d = c.f.cpuDistance;
    if (d <= 2.8 && c.o.attacking == 1 && c.f.cpuFoeAnim == "GOLPE-COMBO-AEREO" &&
        c.f.cpuThreat == 1 && chance(c.weight(CpuWeight::guard))) {
        c.f.cpuMayAttack = 0;
        if (random(5) == 0) c.ask("ROLAR-FRENTE");
        c.ask("DEFESA-ALTA");
    }
    // A guarding computer keeps guarding.
    if (isGuard(c.f.cpuOwnAnim)) cpuWeight(c.f, CpuWeight::guard) *= 2;
    if (d <= 3 && c.o.attacking == 1 && chance(c.weight(CpuWeight::guard)) && c.f.cpuThreat == 1) {
        c.f.cpuMayAttack = 0;
        if (c.f.cpuOwnAnim == "AUMENTAR-PODER") c.ask("PARADO");
        c.ask("DEFESA-AEREA");
        c.ask(isHighBlow(c.f.cpuThreatType) ? "DEFESA-ALTA" : "DEFESA-BAIXA");
    }
    if (isGuard(c.f.anim) && c.f.cpuThreat == 1) c.f.cpuMayAttack = 0;
}

void dodge(CpuTick& c) {
    const f64 dodge = c.weight(CpuWeight::dodge);
    const f64 gap = std::abs(c.f.cpuObjectDist);
    for (auto [range, factor] : {std::pair{4.0, 1.0}, std::pair{2.0, 2.0}}) {
        if (c.f.cpuObjectNear == 1 && gap < range && chance(factor * dodge)) {
            c.ask("DEFESA-AEREA");
            c.ask("DEFESA-ALTA");
            c.f.cpuMayAttack = 0;
        }
    }
}

// Keeps a wanted distance, re-drawn now and then, by walking, running or backing off.
void walk(CpuTick& c) {
    personagem& f = c.f;
    if (f.cpuMoveTimer == 0 && chance(c.weight(CpuWeight::move))) {
        f.cpuWantedDistance = random(5);
        if (random(2) == 0 && !(f.anim == "AUMENTAR-PODER")) c.ask("PARADO");
        f.cpuMoveTimer = c.level.moveTimerBase + random(c.level.moveTimerSpread);
    }
    if (f.cpuMoveTimer > 0) f.cpuMoveTimer -= 1;
    cpuKeepSpacing(c);

    const f64 d = f.cpuDistance;
    if (std::abs(d - f.cpuWantedDistance) > 1 && !(f.anim == "AUMENTAR-PODER") &&
        f.cpuMayAttack == 1) {
        if (f.cpuOwnAnim == "AGACHAR") c.ask("PARADO");
        const bool run = chance(c.weight(CpuWeight::run));
        if (d > f.cpuWantedDistance)
            c.ask(run ? "CORRIDA" : "ANDAR-FRENTE");
        else
            c.ask(run ? "RECUO" : "ANDAR-TRAS");
    } else {
        f.cpuWantedDistance = d;
        if (!(f.anim == "AUMENTAR-PODER")) c.ask("PARADO");
    }
}

void jump(CpuTick& c) {
    const f64 d = c.f.cpuDistance;
    const f64 move = c.weight(CpuWeight::move);
    if (d >= 3 && d <= 5 && chance(move)) {
        const u32 k = random(5);
        c.ask(k < 3 ? "PULAR-FRENTE" : k == 3 ? "PULAR-TRAS" : "PULAR");
    }
    // Over a projectile.
    if (c.f.cpuObjectNear == 1 && c.f.cpuObjectDist < 1.5 && d > 4 && chance(move))
        c.ask(random(5) <= 2 ? "PULAR" : "PULAR-FRENTE");
}

void charge(CpuTick& c) {
    if (c.f.cpuDistance >= 3.5 && c.f.cpuMayAttack == 1 && c.f.cpuObjectNear == 0 &&
        chance(0.2 * c.weight(CpuWeight::attack)))
        c.ask("AUMENTAR-PODER");
}

// Harder levels shake off dizziness faster.
void shakeOffDizziness(CpuTick& c) {
    if (!(c.f.anim == "TONTO")) return;
    c.f.frame += c.level.dizzyShake;
    c.f.cpuCooldown = c.f.cpuCooldownReset;
}

} // namespace

void cpuStep(int index) {
    CpuTick c{index, gs.fighter(index), gs.fighter(3 - index), cpuLevel(cpuDifficulty(index))};
    weigh(c);
    coolDown(c);
    if (c.level.reading > 0) cpuRead(c);
    cpuPerceive(index);
    if (c.level.reading > 0) cpuReweigh(c);
    grab(c);
    roll(c);
    guard(c);
    dodge(c);
    walk(c);
    jump(c);
    charge(c);
    cpuAttacks(c);
    cpuAnswer(c);
    shakeOffDizziness(c);
    cpuItems(index);
    if (c.f.cpuCooldown == 0 && !(c.o.anim == "SOFRE-COMBO-AEREO")) cpuSpecials(index);
}
