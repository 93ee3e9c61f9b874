// The fighter record and its nested records: plain data, two of them in the game state.
#pragma once

#include "shell/plain_data.h"

// One keyframe: the figure's root offset and the X, Y, Z angles of body parts 1..25.
struct Pose {
    std::array<f64, 3> root{}; // x, y, z; in file units in the pose table, world units once set
    Slots<f64, 25> angleX{};
    Slots<f64, 25> angleY{};
    Slots<f64, 25> angleZ{};
};

struct partecorpo {
    u8 model = 0;
    Name name;
    f64 pivotX = 0, pivotY = 0, pivotZ = 0;
    u32 tint = 0; // RGB, red in the low byte
    std::array<f64, 6> worldBox{};
    f64 hitRadiusX = 0, hitRadiusY = 0, hitRadiusZ = 0;
    u8 parent = 0;
    u8 visible = 0;
};

// One attack window of the current animation.
struct Acertos {
    f64 firstFrame = 0;
    f64 lastFrame = 0;
    f64 damage = 0; // 0 marks a free slot
    f64 guardDamage = 0;
    f64 dizzyDamage = 0;
    f64 knockback = 0;
    f64 hitStopTicks = 0;
    Slots<u8, 25> hitParts{};
    u8 hitSound = 0;
    Name hitType;
};

// What the computer at its two top levels remembers of its opponent's habits: each score
// grows when the habit shows and fades by a fixed share every tick, so it tells what the
// opponent kept doing over the last seconds. Unused below those levels, where it stays
// all zero and adds nothing to the state hash.
struct CpuReading {
    f64 throws = 0;      // throw attempts, and strong blows started while walking in
    f64 jabs = 0;        // quick ground blows started
    f64 jumpIns = 0;     // ticks spent jumping toward the computer
    f64 turtling = 0;    // ticks spent guarding or crouched without attacking
    f64 punishTimer = 0; // ticks left to strike back after the opponent's blow ended

    static constexpr bool hashedOnlyWhenUsed = true;
    bool used() const {
        return throws != 0 || jabs != 0 || jumpIns != 0 || turtling != 0 || punishTimer != 0;
    }
};

struct personagem {
    u8 isHuman = 0;
    u8 blackParts = 0;
    u8 bodySolid = 0;
    u8 showMarker = 0;
    u8 intangible = 0;
    u8 invisible = 0;
    u8 character = 0;
    FixedString<50> displayName;
    u8 selectColumn = 0, selectRow = 0;
    u8 characterChosen = 0, strengthChosen = 0;
    f64 posX = 0, posY = 0, posZ = 0;
    f64 rotX = 0, rotY = 0, rotZ = 0;
    f64 shadowRadius = 0;
    std::array<f64, 3> rotVel{};
    std::array<f64, 3> bodyBoxMin{}, bodyBoxMax{};
    f64 boxMargin = 0;
    // The pending contact: what an attack or object left on this fighter for the next
    // damage pass (empty lastHitType = nothing pending).
    Name lastHitType;
    std::array<f64, 3> hitPoint{};
    u8 hitSound = 0;
    u8 wasHit = 0, chipHit = 0, specialHit = 0, sparkleOnHit = 0;
    f64 pendingDamage = 0, pendingGuardDamage = 0, pendingDizzy = 0, pendingLift = 0,
        pendingKnockback = 0;
    f64 lastDamage = 0, comboDamage = 0;
    u8 guarding = 0, attacking = 0, specialAttacking = 0, neutral = 0;
    u8 superFinish = 0;
    u8 airborne = 0;
    u8 crouching = 0;
    u8 movesWhileFrozen = 0;
    f64 jumpVelX = 0;
    f64 airTime = 0;
    f64 jumpVelY = 0;
    Name anim;
    Name queuedAnim;
    Name facing;
    Name opponentSide;
    u8 animLoops = 0;
    u8 itemReady = 0;
    f64 frame = 0;
    f64 frameCount = 0;
    f64 blend = 0;
    f64 walkForwardSpeed = 0, walkBackSpeed = 0, runSpeed = 0;
    f64 backdashSpeed = 0, rollBackSpeed = 0, rollForwardSpeed = 0;
    f64 slideSpeed = 0;
    f64 sparkleTimer = 0, glowTimer = 0, shakeTimer = 0, chainWindow = 0;
    f64 hudTimerA = 0, hudTimerB = 0;
    u8 actionLock = 0, crouchLock = 0, stunLock = 0;
    f64 life = 0, lifeTrail = 0, power = 0, guard = 0, dizzy = 0;
    u8 mashStep = 0, dizzyDelay = 0, guardDelay = 0;
    u8 stocks = 0;
    u8 stocksToSpend = 0, lastSuperLevel = 0, roundsWon = 0, winStreak = 0;
    Slots<Name, 3> roundMarks{};
    f64 damageScale = 0;
    f64 comboScale1 = 0, comboScale2 = 0;
    u8 hitCount = 0;
    f64 comboTimer = 0;
    u8 comboHold = 0, hitLanded = 0;
    Slots<Acertos, 30> hits{};
    Name airComboRoute;
    u8 airComboStep = 0;
    std::array<u8, 5> items{}; // items[0] is the item in hand
    u8 itemEffect = 0;
    f64 itemEffectTimer = 0;
    Slots<FixedString<30>, 7> moveNames{};
    Slots<FixedString<10>, 7> moveMotions{};
    Slots<u8, 20> motionState{};
    Slots<f64, 20> motionTimer{};
    u8 inputDevice = 0;
    u8 inUp = 0, inDown = 0, inLeft = 0, inRight = 0;
    Slots<u8, 10> inButtons{};
    u8 inUpPrev = 0, inDownPrev = 0, inLeftPrev = 0, inRightPrev = 0;
    Slots<u8, 10> inButtonsPrev{};
    u8 inBack = 0, inForward = 0;
    Slots<partecorpo, 25> parts{};
    Pose keyStart;
    Pose curPose; // its root is the draw offset
    Pose keyEnd;
    // The computer opponent's perception and decisions.
    f64 cpuDistance = 0, cpuWantedDistance = 0;
    u8 cpuObjectNear = 0;
    f64 cpuObjectDist = 0, cpuObjectSpeed = 0;
    u8 cpuFoeIntangible = 0, cpuMayAttack = 0, cpuThreat = 0;
    Name cpuOwnAnim, cpuFoeAnim, cpuThreatType;
    f64 cpuFoeFrame = 0;
    u8 cpuHitCount = 0;
    f64 cpuMoveTimer = 0, cpuCooldown = 0, cpuCooldownReset = 0;
    // move, guard, dodge, grab, run, attack, special, airCombo, item: percent per tick
    std::array<f64, 9> cpuWeights{};
    CpuReading cpuReading;
};

// Field lists, for dumps and the state hash. Keep in record order.
template <class V> void reflect(V& v, Pose& p) {
    v("root", p.root);
    v("angleX", p.angleX);
    v("angleY", p.angleY);
    v("angleZ", p.angleZ);
}

template <class V> void reflect(V& v, partecorpo& p) {
    v("model", p.model);
    v("name", p.name);
    v("pivotX", p.pivotX);
    v("pivotY", p.pivotY);
    v("pivotZ", p.pivotZ);
    v("tint", p.tint);
    v("worldBox", p.worldBox);
    v("hitRadiusX", p.hitRadiusX);
    v("hitRadiusY", p.hitRadiusY);
    v("hitRadiusZ", p.hitRadiusZ);
    v("parent", p.parent);
    v("visible", p.visible);
}

template <class V> void reflect(V& v, Acertos& a) {
    v("firstFrame", a.firstFrame);
    v("lastFrame", a.lastFrame);
    v("damage", a.damage);
    v("guardDamage", a.guardDamage);
    v("dizzyDamage", a.dizzyDamage);
    v("knockback", a.knockback);
    v("hitStopTicks", a.hitStopTicks);
    v("hitParts", a.hitParts);
    v("hitSound", a.hitSound);
    v("hitType", a.hitType);
}

template <class V> void reflect(V& v, personagem& f) {
    v("isHuman", f.isHuman);
    v("blackParts", f.blackParts);
    v("bodySolid", f.bodySolid);
    v("showMarker", f.showMarker);
    v("intangible", f.intangible);
    v("invisible", f.invisible);
    v("character", f.character);
    v("displayName", f.displayName);
    v("selectColumn", f.selectColumn);
    v("selectRow", f.selectRow);
    v("characterChosen", f.characterChosen);
    v("strengthChosen", f.strengthChosen);
    v("posX", f.posX);
    v("posY", f.posY);
    v("posZ", f.posZ);
    v("rotX", f.rotX);
    v("rotY", f.rotY);
    v("rotZ", f.rotZ);
    v("shadowRadius", f.shadowRadius);
    v("rotVel", f.rotVel);
    v("bodyBoxMin", f.bodyBoxMin);
    v("bodyBoxMax", f.bodyBoxMax);
    v("boxMargin", f.boxMargin);
    v("lastHitType", f.lastHitType);
    v("hitPoint", f.hitPoint);
    v("hitSound", f.hitSound);
    v("wasHit", f.wasHit);
    v("chipHit", f.chipHit);
    v("specialHit", f.specialHit);
    v("sparkleOnHit", f.sparkleOnHit);
    v("pendingDamage", f.pendingDamage);
    v("pendingGuardDamage", f.pendingGuardDamage);
    v("pendingDizzy", f.pendingDizzy);
    v("pendingLift", f.pendingLift);
    v("pendingKnockback", f.pendingKnockback);
    v("lastDamage", f.lastDamage);
    v("comboDamage", f.comboDamage);
    v("guarding", f.guarding);
    v("attacking", f.attacking);
    v("specialAttacking", f.specialAttacking);
    v("neutral", f.neutral);
    v("superFinish", f.superFinish);
    v("airborne", f.airborne);
    v("crouching", f.crouching);
    v("movesWhileFrozen", f.movesWhileFrozen);
    v("jumpVelX", f.jumpVelX);
    v("airTime", f.airTime);
    v("jumpVelY", f.jumpVelY);
    v("anim", f.anim);
    v("queuedAnim", f.queuedAnim);
    v("facing", f.facing);
    v("opponentSide", f.opponentSide);
    v("animLoops", f.animLoops);
    v("itemReady", f.itemReady);
    v("frame", f.frame);
    v("frameCount", f.frameCount);
    v("blend", f.blend);
    v("walkForwardSpeed", f.walkForwardSpeed);
    v("walkBackSpeed", f.walkBackSpeed);
    v("runSpeed", f.runSpeed);
    v("backdashSpeed", f.backdashSpeed);
    v("rollBackSpeed", f.rollBackSpeed);
    v("rollForwardSpeed", f.rollForwardSpeed);
    v("slideSpeed", f.slideSpeed);
    v("sparkleTimer", f.sparkleTimer);
    v("glowTimer", f.glowTimer);
    v("shakeTimer", f.shakeTimer);
    v("chainWindow", f.chainWindow);
    v("hudTimerA", f.hudTimerA);
    v("hudTimerB", f.hudTimerB);
    v("actionLock", f.actionLock);
    v("crouchLock", f.crouchLock);
    v("stunLock", f.stunLock);
    v("life", f.life);
    v("lifeTrail", f.lifeTrail);
    v("power", f.power);
    v("guard", f.guard);
    v("dizzy", f.dizzy);
    v("mashStep", f.mashStep);
    v("dizzyDelay", f.dizzyDelay);
    v("guardDelay", f.guardDelay);
    v("stocks", f.stocks);
    v("stocksToSpend", f.stocksToSpend);
    v("lastSuperLevel", f.lastSuperLevel);
    v("roundsWon", f.roundsWon);
    v("winStreak", f.winStreak);
    v("roundMarks", f.roundMarks);
    v("damageScale", f.damageScale);
    v("comboScale1", f.comboScale1);
    v("comboScale2", f.comboScale2);
    v("hitCount", f.hitCount);
    v("comboTimer", f.comboTimer);
    v("comboHold", f.comboHold);
    v("hitLanded", f.hitLanded);
    v("hits", f.hits);
    v("airComboRoute", f.airComboRoute);
    v("airComboStep", f.airComboStep);
    v("items", f.items);
    v("itemEffect", f.itemEffect);
    v("itemEffectTimer", f.itemEffectTimer);
    v("moveNames", f.moveNames);
    v("moveMotions", f.moveMotions);
    v("motionState", f.motionState);
    v("motionTimer", f.motionTimer);
    v("inputDevice", f.inputDevice);
    v("inUp", f.inUp);
    v("inDown", f.inDown);
    v("inLeft", f.inLeft);
    v("inRight", f.inRight);
    v("inButtons", f.inButtons);
    v("inUpPrev", f.inUpPrev);
    v("inDownPrev", f.inDownPrev);
    v("inLeftPrev", f.inLeftPrev);
    v("inRightPrev", f.inRightPrev);
    v("inButtonsPrev", f.inButtonsPrev);
    v("inBack", f.inBack);
    v("inForward", f.inForward);
    v("parts", f.parts);
    v("keyStart", f.keyStart);
    v("curPose", f.curPose);
    v("keyEnd", f.keyEnd);
    v("cpuDistance", f.cpuDistance);
    v("cpuWantedDistance", f.cpuWantedDistance);
    v("cpuObjectNear", f.cpuObjectNear);
    v("cpuObjectDist", f.cpuObjectDist);
    v("cpuObjectSpeed", f.cpuObjectSpeed);
    v("cpuFoeIntangible", f.cpuFoeIntangible);
    v("cpuMayAttack", f.cpuMayAttack);
    v("cpuThreat", f.cpuThreat);
    v("cpuOwnAnim", f.cpuOwnAnim);
    v("cpuFoeAnim", f.cpuFoeAnim);
    v("cpuThreatType", f.cpuThreatType);
    v("cpuFoeFrame", f.cpuFoeFrame);
    v("cpuHitCount", f.cpuHitCount);
    v("cpuMoveTimer", f.cpuMoveTimer);
    v("cpuCooldown", f.cpuCooldown);
    v("cpuCooldownReset", f.cpuCooldownReset);
    v("cpuWeights", f.cpuWeights);
    v("cpuReading", f.cpuReading);
}

template <class V> void reflect(V& v, CpuReading& r) {
    v("throws", r.throws);
    v("jabs", r.jabs);
    v("jumpIns", r.jumpIns);
    v("turtling", r.turtling);
    v("punishTimer", r.punishTimer);
}
