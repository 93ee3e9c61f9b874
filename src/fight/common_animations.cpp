#include "fight/common_animations.h"

#include <cmath>

#include "fight/animation.h"
#include "fight/common_animation_rows.h"
#include "shell/rounding.h"

void AnimationTick::keys(int from, int to) const {
    if (poseBase < 0) return;
    if (from != 0) setKeyframe(index, poseBase + from, "INICIAL");
    if (to != 0) setKeyframe(index, poseBase + to, "FINAL");
}

void AnimationTick::still(int k) const {
    keys(k, 0);
    w.blend = 0;
}

void playKeyRules(const AnimationTick& t, std::span<const KeyRule> rules) {
    const f64 f = t.frame();
    for (const KeyRule& r : rules) {
        if (!r.frames.contains(f)) continue;
        t.keys(r.from, r.to);
        switch (r.blend) {
        case Blend::Keep:
            break;
        case Blend::Ramp:
            t.w.blend = (f - r.origin) * r.rate;
            break;
        case Blend::Down:
            t.w.blend = 100 - (f - r.origin) * r.rate;
            break;
        case Blend::Fixed:
            t.w.blend = r.rate;
            break;
        }
    }
}

int roundedFrameMod(f64 frame, int n) {
    return static_cast<int>(static_cast<long long>(roundHalfEven(frame)) % n);
}

bool evenFrame(f64 frame) {
    return std::fmod(frame, 2.0) == 0;
}

int poseBaseOf(const personagem& f) {
    if (f.character == 1) return 0;
    if (f.character == 2) return 109;
    return -1;
}

// Runs the rows whose name is the working animation's, in table order. A row may switch
// the animation, and a later row of that name would then run too; the table is ordered
// so that every such switch goes to an earlier row.
void playAnimationRows(AnimationTick& t, std::span<const CommonAnimation> rows) {
    for (const CommonAnimation& row : rows) {
        if (!(t.w.anim == row.name)) continue;
        if (row.applies && !row.applies(t.f)) continue;
        t.w.frameCount = row.length;
        if (row.loops) t.f.animLoops = 1;
        if (row.clearsAttackFlags) {
            t.f.attacking = 0;
            t.f.specialAttacking = 0;
        }
        playKeyRules(t, row.keys);
        if (row.effects) row.effects(t);
    }
}

void applyCommonAnimation(int index, WorkingAnimation& w) {
    personagem& f = gs.fighter(index);
    AnimationTick t{index, f, gs.opponent(index), w, poseBaseOf(f)};
    playAnimationRows(t, movementAnimations());
    playNormalAttack(t);
    playAnimationRows(t, flyingKickAnimation());
    playAnimationRows(t, reactionAnimations());
}
