#include "fight/hits.h"

#include "fight/hit_rules.h"
#include "shell/game_state.h"

bool boxesOverlap(const std::array<f64, 6>& a, const std::array<f64, 6>& b) {
    for (std::size_t axis = 0; axis < 3; ++axis) {
        if (a[axis] > b[axis + 3] || b[axis] > a[axis + 3]) return false;
    }
    return true;
}

std::array<f64, 6> grownBox(std::array<f64, 6> box, f64 margin) {
    for (std::size_t axis = 0; axis < 3; ++axis) {
        box[axis] -= margin;
        box[axis + 3] += margin;
    }
    return box;
}

bool windowLive(const personagem& f, const Acertos& a) {
    return f.attacking == 1 && a.damage > 0 && a.firstFrame <= f.frame && f.frame <= a.lastFrame;
}

namespace {

std::array<f64, 6> bodyBox(const personagem& f) {
    const std::array<f64, 3> pos = {f.posX, f.posY, f.posZ};
    std::array<f64, 6> box{};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        box[axis] = pos[axis] + f.curPose.root[axis] + f.bodyBoxMin[axis];
        box[axis + 3] = pos[axis] + f.curPose.root[axis] + f.bodyBoxMax[axis];
    }
    return box;
}

u8 decideGuard(const personagem& attacker, const personagem& victim, std::string_view hitType) {
    if (guardStops(victim.anim, hitType)) return 1;
    if (attacker.posY > 0.3 && victim.anim == "DEFESA-AEREA") return 1;
    return 0;
}

// Leaves the contact of slot `a`, struck with a part whose grown box is `partBox`, on the
// victim; a later contact of the same tick overwrites it.
void leaveContact(personagem& attacker, personagem& victim, const Acertos& a,
                  const std::array<f64, 6>& partBox) {
    victim.guarding = decideGuard(attacker, victim, a.hitType);
    victim.lastHitType = a.hitType;
    for (std::size_t axis = 0; axis < 3; ++axis)
        victim.hitPoint[axis] = (partBox[axis] + partBox[axis + 3]) / 2;
    victim.hitSound = a.hitSound;
    if (attacker.specialAttacking == 1) victim.specialHit = 1;
    if (a.damage > 0) victim.pendingDamage = a.damage;
    victim.pendingDizzy = a.dizzyDamage;
    victim.pendingGuardDamage = a.guardDamage;
    if (attacker.neutral == 1) victim.chipHit = 1;
    victim.wasHit = 1;
    if (!(victim.anim == "SOFRE-COMBO-AEREO")) {
        const bool fromBehind = attacker.facing == victim.facing;
        victim.pendingKnockback = fromBehind ? -a.knockback : a.knockback;
    }
}

} // namespace

void guardPass(int index) {
    personagem& attacker = gs.fighter(index);
    personagem& victim = gs.fighter(3 - index);
    if (attacker.attacking != 1) return;
    for (Acertos& a : attacker.hits) {
        if (!windowLive(attacker, a)) continue;
        for (std::size_t p = 1; p <= a.hitParts.size(); ++p) {
            if (a.hitParts[p] == 0) continue;
            const std::array<f64, 6> partBox =
                grownBox(attacker.parts[p].worldBox, attacker.boxMargin);
            if (!boxesOverlap(partBox, bodyBox(victim)) || victim.intangible == 1) continue;
            leaveContact(attacker, victim, a, partBox);
            a.damage = 0;
            attacker.stunLock = 13;
            if (attacker.specialAttacking == 0) attacker.power += 2;
            attacker.chainWindow = 5;
            gs.hitStop = a.hitStopTicks;
            // A cornered victim cannot give way: the attacker slides back instead.
            if (victim.posX + victim.bodyBoxMax[0] > gs.arenaLimitX2 ||
                victim.posX + victim.bodyBoxMin[0] < gs.arenaLimitX1)
                attacker.slideSpeed = 1.1 * a.knockback;
        }
    }
}
