#include "fight/animation.h"

#include <algorithm>
#include <cmath>

#include "assets/pose_files.h"

void setKeyframe(int index, int pose, std::string_view which) {
    personagem& f = gs.fighter(index);
    Pose* target = which == "INICIAL" ? &f.keyStart : which == "FINAL" ? &f.keyEnd : nullptr;
    if (!target || pose < 1 || pose > poseCount) return;
    *target = poseTable[static_cast<std::size_t>(pose)];
    for (f64& r : target->root) r /= 200;
}

void blendKeyframes(int index, f64 percent) {
    personagem& f = gs.fighter(index);
    const f64 p = std::clamp(percent, 0.0, 100.0) / 100;
    auto mix = [p](f64 a, f64 b) { return a + (b - a) * p; };
    for (std::size_t k = 0; k < 3; ++k)
        f.curPose.root[k] = mix(f.keyStart.root[k], f.keyEnd.root[k]);
    for (std::size_t i = 1; i <= 25; ++i) {
        f.curPose.angleX[i] = mix(f.keyStart.angleX[i], f.keyEnd.angleX[i]);
        f.curPose.angleY[i] = mix(f.keyStart.angleY[i], f.keyEnd.angleY[i]);
        f.curPose.angleZ[i] = mix(f.keyStart.angleZ[i], f.keyEnd.angleZ[i]);
    }
    if (f.facing == "ESQ") f.curPose.root[0] = -f.curPose.root[0];
}

void faceOpponent(int index) {
    personagem& f = gs.fighter(index);
    const personagem& o = gs.opponent(index);
    if (o.posX - 0.3 > f.posX) f.facing = "DIR";
    if (o.posX + 0.3 < f.posX) f.facing = "ESQ";
    if (f.facing == "DIR") f.rotY = 90;
    if (f.facing == "ESQ") f.rotY = -90;
}

void moveAlongFacing(int index, std::string_view direction, f64 d) {
    personagem& f = gs.fighter(index);
    personagem& o = gs.opponent(index);
    const f64 sign = f.facing == "ESQ" ? -1 : 1;
    if (direction == "FRENTE") f.posX += sign * d;
    if (direction == "TRAS") f.posX -= sign * d;
    if (f.bodySolid != 1 || o.bodySolid != 1 || !bodiesOverlap()) return;
    // Stand against the opponent's box, and push it a third of the way.
    if (f.posX < o.posX)
        f.posX = o.posX + o.bodyBoxMin[0] - f.bodyBoxMax[0];
    else
        f.posX = o.posX + o.bodyBoxMax[0] - f.bodyBoxMin[0];
    if (f.posX < o.posX) o.posX += d / 3;
    if (f.posX > o.posX) o.posX -= d / 3;
}

void stopMotion(personagem& f) {
    f.airborne = 0;
    f.jumpVelX = 0;
    f.jumpVelY = 0;
    f.slideSpeed = 0;
}

bool bodiesOverlap() {
    const personagem& a = gs.fighter(1);
    const personagem& b = gs.fighter(2);
    auto lo = [](const personagem& f, int k) {
        const f64 base = k == 0   ? f.posX
                         : k == 1 ? f.posY + f.curPose.root[1]
                                  : f.posZ + f.curPose.root[2];
        return base + f.bodyBoxMin[static_cast<std::size_t>(k)];
    };
    auto hi = [](const personagem& f, int k) {
        const f64 base = k == 0   ? f.posX
                         : k == 1 ? f.posY + f.curPose.root[1]
                                  : f.posZ + f.curPose.root[2];
        return base + f.bodyBoxMax[static_cast<std::size_t>(k)];
    };
    for (int k = 0; k < 3; ++k)
        if (!(lo(a, k) <= hi(b, k) && hi(a, k) >= lo(b, k))) return false;
    return true;
}

void setBodyBox(int index, f64 minX, f64 minY, f64 minZ, f64 maxX, f64 maxY, f64 maxZ) {
    personagem& f = gs.fighter(index);
    f.bodyBoxMin = {minX, minY, minZ};
    f.bodyBoxMax = {maxX, maxY, maxZ};
    if (f.facing == "ESQ") {
        f.bodyBoxMin[0] = -maxX;
        f.bodyBoxMax[0] = -minX;
    }
}

void comboScale(int index) {
    personagem& f = gs.fighter(index);
    f.comboScale1 = 1;
    f.comboScale2 = 1;
    if (f.comboTimer > 27 && f.hitCount > 0) {
        f.comboScale1 = std::max(1 / (f.hitCount * 0.7 + 1), 0.2);
        f.comboScale2 = std::max(1 / (f.hitCount * 1.3 + 1), 0.2);
    }
}

void addAttackWindow(int index, std::string_view anim, std::string_view parts, u8 hitSound,
                     f64 firstFrame, f64 lastFrame, f64 damage, f64 guardDamage, f64 dizzyDamage,
                     f64 knockback, f64 hitStopTicks, std::string_view hitType) {
    personagem& f = gs.fighter(index);
    if (!(f.anim == anim)) return;
    auto slot =
        std::find_if(f.hits.begin(), f.hits.end(), [](const Acertos& a) { return a.damage == 0; });
    if (slot == f.hits.end()) return;
    *slot = {};
    slot->firstFrame = firstFrame;
    slot->lastFrame = lastFrame;
    slot->damage = damage;
    slot->guardDamage = guardDamage;
    slot->dizzyDamage = dizzyDamage;
    slot->knockback = knockback;
    slot->hitStopTicks = hitStopTicks;
    slot->hitSound = hitSound;
    slot->hitType = hitType;
    // Two digits at positions 1-2, 4-5, 7-8 ...
    for (std::size_t at = 0; at + 1 < parts.size(); at += 3) {
        const char a = parts[at], b = parts[at + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9') continue;
        const int part = (a - '0') * 10 + (b - '0');
        if (part >= 1 && part <= 25) slot->hitParts[static_cast<std::size_t>(part)] = 1;
    }
}

char nextAirComboLetter(const personagem& f) {
    return f.airComboRoute.at1(static_cast<std::size_t>(f.airComboStep) + 1);
}
