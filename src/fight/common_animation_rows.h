// The row format of the common animation table, shared by its parts (movement, attacks,
// hit reactions). A row names the animation, its length and looping, its key-pose rules
// and a function for whatever else it does each tick.
#pragma once

#include <limits>
#include <span>
#include <string_view>

#include "fight/working_animation.h"

// The frames a rule covers, each bound open or closed.
struct Frames {
    f64 lo = -std::numeric_limits<f64>::infinity();
    f64 hi = std::numeric_limits<f64>::infinity();
    bool loClosed = true, hiClosed = true;

    bool contains(f64 f) const {
        return (loClosed ? f >= lo : f > lo) && (hiClosed ? f <= hi : f < hi);
    }
};

constexpr f64 infinite = std::numeric_limits<f64>::infinity();
constexpr Frames everyFrame() {
    return {};
}
constexpr Frames span(f64 a, f64 b) {
    return {a, b, true, false};
} // a <= f < b
constexpr Frames closed(f64 a, f64 b) {
    return {a, b, true, true};
}
constexpr Frames open(f64 a, f64 b) {
    return {a, b, false, false};
}
constexpr Frames openClosed(f64 a, f64 b) {
    return {a, b, false, true};
} // a < f <= b
constexpr Frames upTo(f64 b) {
    return {-infinite, b, true, true};
}
constexpr Frames below(f64 b) {
    return {-infinite, b, true, false};
}
constexpr Frames from(f64 a) {
    return {a, infinite, true, true};
}
constexpr Frames after(f64 a) {
    return {a, infinite, false, true};
}

// Ramp: (f - origin) x rate. Down: 100 - (f - origin) x rate. Fixed: the rate itself.
// Keep: the blend stays as it was.
enum class Blend { Keep, Ramp, Down, Fixed };

// One key-pose rule: on its frames it loads pose +from as INICIAL and pose +to as FINAL
// (0 leaves that key as last loaded) and sets the blend. Rules run in order, so a later
// rule overrides an earlier one on the same frame.
struct KeyRule {
    Frames frames;
    int from = 0, to = 0;
    Blend blend = Blend::Keep;
    f64 rate = 0;
    f64 origin = 0;
};

constexpr KeyRule poses(Frames fr, int a, int b) {
    return {fr, a, b};
}
constexpr KeyRule ramp(Frames fr, int a, int b, f64 rate, f64 origin = 0) {
    return {fr, a, b, Blend::Ramp, rate, origin};
}
constexpr KeyRule ramp(Frames fr, f64 rate, f64 origin = 0) {
    return {fr, 0, 0, Blend::Ramp, rate, origin};
}
constexpr KeyRule down(Frames fr, f64 rate, f64 origin) {
    return {fr, 0, 0, Blend::Down, rate, origin};
}
constexpr KeyRule hold(Frames fr) {
    return {fr, 0, 0, Blend::Fixed, 100};
}
constexpr KeyRule fixedBlend(Frames fr, f64 value) {
    return {fr, 0, 0, Blend::Fixed, value};
}
// Pose +k alone: INICIAL = +k, blend 0.
constexpr KeyRule still(Frames fr, int k) {
    return {fr, k, 0, Blend::Fixed, 0};
}

// One tick of one fighter's common animation.
struct AnimationTick {
    int index;
    personagem& f;
    personagem& o;
    WorkingAnimation& w;
    int poseBase; // below 0: the character has no poses of its own

    f64 frame() const { return w.frame; }
    bool facingLeft() const { return f.facing == "ESQ"; }
    // Loads pose +from as INICIAL and +to as FINAL; 0 leaves a key alone.
    void keys(int from, int to) const;
    void still(int k) const;
};

using Effects = void (*)(AnimationTick& t);

struct CommonAnimation {
    std::string_view name;
    f64 length;
    bool loops;
    std::span<const KeyRule> keys;
    Effects effects;        // may be null
    bool clearsAttackFlags; // attacking and specialAttacking to 0 every tick
    bool (*applies)(const personagem& f) = nullptr; // null: always
};

void playKeyRules(const AnimationTick& t, std::span<const KeyRule> rules);
// Runs the rows named as the working animation, in table order: frame count, looping,
// attack flags, key poses, then the row's effects.
void playAnimationRows(AnimationTick& t, std::span<const CommonAnimation> rows);
// The number added to a character's pose +k: 0 for character 1, 109 for character 2, -1
// for a character without poses.
int poseBaseOf(const personagem& f);
// round(f) mod n, with the game's rounding of halves to even.
int roundedFrameMod(f64 frame, int n);
// f is an even whole number.
bool evenFrame(f64 frame);

// The parts of the table, in table order.
std::span<const CommonAnimation> movementAnimations();
// Plays the working animation when it is one of the twelve normal attacks.
void playNormalAttack(AnimationTick& t);
std::span<const CommonAnimation> flyingKickAnimation();
std::span<const CommonAnimation> reactionAnimations();
