// The part of each character's per-tick script that every animation shares: which props
// show, and the body box of the current animation.
#pragma once

#include <span>
#include <string_view>

#include "fight/common_animation_rows.h"
#include "shell/plain_data.h"

// The body box of one or more animations: x back..front as seen facing "DIR", y, z.
struct BodyBoxRow {
    std::span<const std::string_view> anims;
    f64 backX, frontX, minY, maxY, minZ, maxZ;
};

// Props shown and hidden at the start of every script tick (parts of the body table).
struct PropReset {
    std::span<const u8> shown;
    std::span<const u8> hidden;
};

struct CharacterScript {
    PropReset props;
    std::span<const BodyBoxRow> bodyBoxes;
    // The character's own animations, in the common table's row format.
    std::span<const CommonAnimation> animations;
};

// Animation groups whose body boxes both characters list.
namespace bodyBoxGroups {
using N = std::string_view;
inline constexpr N backDash[] = {"RECUO"};
inline constexpr N run[] = {"CORRIDA"};
inline constexpr N rolls[] = {"ROLAR-TRAS", "ROLAR-FRENTE"};
inline constexpr N jump[] = {"PULAR", "DEFESA-AEREA"};
inline constexpr N flyingKick[] = {"VOADORA"};
inline constexpr N thrown[] = {"QUEDA-1"};
inline constexpr N lying[] = {"DEITADO"};
inline constexpr N gettingUp[] = {"LEVANTAR"};
inline constexpr N hitInAir[] = {"SOFRE-ATAQUE-AR"};
inline constexpr N guardBroken[] = {"QUEBRA-GUARDA"};
inline constexpr N juggled[] = {"SOFRE-COMBO-AEREO"};
inline constexpr N dizzy[] = {"TONTO"};
inline constexpr N explosion[] = {"GOLPE-EXPLOSAO-FRACO", "GOLPE-EXPLOSAO-FORTE"};
} // namespace bodyBoxGroups

const CharacterScript& torvelScript();
const CharacterScript& brandolimScript();
// The animations each character plays with its own poses: the combo launcher, the taunt,
// the victory dances and the defeat.
std::span<const CommonAnimation> torvelMoves();
// Torvel's specials and supers, played as part of his own animations.
std::span<const CommonAnimation> torvelSpecialMoves();
std::span<const CommonAnimation> brandolimMoves();

// The combo launcher both characters share: a lunge with a rising uppercut. Poses +76 and
// +77, back to +1; `step` is the forward lunge per tick.
inline constexpr KeyRule launcherKeys[] = {
    poses(span(0, 17), 76, 77),    fixedBlend(below(4), 0),       ramp(closed(4, 9), 20, 4),
    fixedBlend(span(10, 17), 100), ramp(from(17), 77, 1, 25, 17),
};
void comboLauncher(AnimationTick& t, f64 step);

// Sets the body box from the first row naming `anim`; other animations keep the last box.
void setBodyBoxFor(int index, std::span<const BodyBoxRow> rows, std::string_view anim);

// Throws. The thrower's script moves and poses the opponent it holds, in
// "SOFRE-AGARRAMENTO", on the opponent's own poses (+k from the opponent's base).
// The opponent is still in the grab (a blow that knocks it down lets it go).
bool victimHeld(const AnimationTick& t);
// Keeps the opponent in the grab: "SOFRE-AGARRAMENTO" at frame 0, not airborne, both key
// poses at its own +k, blend 0.
void gripVictim(AnimationTick& t, int k);
// +1 when the opponent stands to the thrower's right, -1 to its left (the facing decides
// when they share one x).
f64 victimSide(const AnimationTick& t);
// The opponent is held `distance` from the thrower on the side where it stands (x only).
void holdVictim(AnimationTick& t, f64 distance);
// The opponent turns to face the thrower.
void turnVictim(AnimationTick& t);
// Plays key rules on the opponent's own poses, timed by the thrower's frame.
void playVictimKeys(AnimationTick& t, std::span<const KeyRule> rules);
// Solidity and intangibility of both fighters.
void setBothBodies(AnimationTick& t, u8 solid, u8 intangible);
// A special's blow caught the opponent: it staggers in "SOFRE-ATAQUE-ALTO-1", held
// `distance` away on its side and stopped, and the two bodies pass through each other.
void seizeOpponent(AnimationTick& t, f64 distance);

// The strength of a special or super comes from its name: "-FORTE" is strong.
inline bool strongMove(const AnimationTick& t) {
    return t.w.anim.view().ends_with("-FORTE");
}
inline f64 byStrength(const AnimationTick& t, f64 weak, f64 strongValue) {
    return strongMove(t) ? strongValue : weak;
}

// Seu Brandolim's specials and supers; brandolimMoves() includes them.
std::span<const CommonAnimation> brandolimSpecialMoves();
