// Throws: the opponent a throw takes hold of, and the helpers the throwers' scripts use to
// move and pose the body they hold. A held body plays "SOFRE-AGARRAMENTO", which has no
// rows of its own: the thrower's script does all of it.
#include "fight/animation.h"
#include "fight/characters/character_script.h"
#include "fight/fight_hooks.h"
#include "shell/game_state.h"

namespace {

void bothKeys(int index, int k) {
    const int base = poseBaseOf(gs.fighter(index));
    if (base < 0) return;
    setKeyframe(index, base + k, "INICIAL");
    setKeyframe(index, base + k, "FINAL");
}

} // namespace

// The opponent stops whatever it was doing and stands in the grab, facing the thrower, on
// the floor and at rest; it can still be hit (the throws' own blows must land) but no
// longer pushes the thrower. Its neutral stance shows until the throw poses it.
void prepareThrowVictim(int index) {
    const int v = 3 - index;
    personagem& o = gs.fighter(v);
    o.anim = "SOFRE-AGARRAMENTO";
    o.queuedAnim = "";
    o.frame = 0;
    o.frameCount = 100;
    o.blend = 0;
    bothKeys(v, 1);
    o.posY = 0;
    stopMotion(o);
    o.rotX = 0;
    o.rotZ = 0;
    o.rotVel = {};
    o.crouching = 0;
    o.bodySolid = 0;
    o.intangible = 0;
    faceOpponent(v);
}

bool victimHeld(const AnimationTick& t) {
    return t.o.anim == "SOFRE-AGARRAMENTO";
}

void gripVictim(AnimationTick& t, int k) {
    personagem& o = t.o;
    o.anim = "SOFRE-AGARRAMENTO";
    o.frame = 0;
    o.airborne = 0;
    o.blend = 0;
    bothKeys(3 - t.index, k);
}

f64 victimSide(const AnimationTick& t) {
    if (t.o.posX > t.f.posX) return 1;
    if (t.o.posX < t.f.posX) return -1;
    return t.facingLeft() ? -1 : 1;
}

void holdVictim(AnimationTick& t, f64 distance) {
    t.o.posX = t.f.posX + victimSide(t) * distance;
}

void turnVictim(AnimationTick& t) {
    faceOpponent(3 - t.index);
}

void playVictimKeys(AnimationTick& t, std::span<const KeyRule> rules) {
    WorkingAnimation w = WorkingAnimation::of(t.o);
    w.frame = t.frame();
    AnimationTick victim{3 - t.index, t.o, t.f, w, poseBaseOf(t.o)};
    playKeyRules(victim, rules);
    t.o.blend = w.blend;
}

void setBothBodies(AnimationTick& t, u8 solid, u8 intangible) {
    for (personagem* p : {&t.f, &t.o}) {
        p->bodySolid = solid;
        p->intangible = intangible;
    }
}

void seizeOpponent(AnimationTick& t, f64 distance) {
    t.o.anim = "SOFRE-ATAQUE-ALTO-1";
    holdVictim(t, distance);
    t.o.slideSpeed = 0;
    t.o.jumpVelX = 0;
    t.f.bodySolid = 0;
    t.o.bodySolid = 0;
}
