// The reach of the normal attacks, checked on the real battle tick (the renderer places the
// striking parts that the guard pass tests): every standing and crouching attack of both
// characters lands on an idle opponent whose body box touches the attacker's, and none lands
// across a gap of 2.5 between the two body boxes.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "battle_support.h"
#include "fight/animation.h"
#include "fight/fighter_setup.h"
#include "match/battle_scene.h"
#include "shell/rosters.h"

namespace {

struct ReachCase {
    u8 character;
    const char* anim;
};

// The ground attacks of both attack tables. The air attacks are left out: where they meet a
// standing opponent depends on the jump, not on a stance. The throws join once their move
// scripts play them.
constexpr ReachCase cases[] = {
    {1, "SOCO-FRACO"},           {1, "CHUTE-FRACO"},          {1, "SOCO-FORTE"},
    {1, "CHUTE-FORTE"},          {1, "SOCO-FRACO-AGACHADO"},  {1, "CHUTE-FRACO-AGACHADO"},
    {1, "SOCO-FORTE-AGACHADO"},  {1, "CHUTE-FORTE-AGACHADO"}, {2, "SOCO-FRACO"},
    {2, "CHUTE-FRACO"},          {2, "SOCO-FORTE"},           {2, "CHUTE-FORTE"},
    {2, "SOCO-FRACO-AGACHADO"},  {2, "CHUTE-FRACO-AGACHADO"}, {2, "SOCO-FORTE-AGACHADO"},
    {2, "CHUTE-FORTE-AGACHADO"},
};

constexpr f64 touching = 0;
constexpr f64 outOfReach = 2.5;

bool crouchingAttack(std::string_view anim) {
    return anim.ends_with("-AGACHADO");
}

// Fighter `attacker` of character `character` against fighter 3 - attacker of character
// `victimCharacter`, both human with nothing held but the attacker's down key for a crouching
// attack, after the ticks that set stances, facings and body boxes.
void setUpPair(int attacker, u8 character, u8 victimCharacter, bool crouch) {
    freshBattle();
    gs.damageLevel = 3;
    registerFighter(attacker, character, fighterRoster);
    registerFighter(3 - attacker, victimCharacter, fighterRoster);
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
        gs.fighter(i).isHuman = 1;
    }
    battleScene();
    gs.fighter(attacker).inDown = crouch ? 1 : 0;
    battleScene();
}

// Stands the pair in the middle of the arena, the victim's body box `gap` in front of the
// attacker's (x extents as bodiesOverlap reads them).
void placeApart(int attacker, f64 gap) {
    personagem& a = gs.fighter(attacker);
    personagem& v = gs.opponent(attacker);
    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    if (attacker == 1) {
        a.posX = middle - 1.5;
        v.posX = a.posX + a.bodyBoxMax[0] + gap - v.bodyBoxMin[0];
    } else {
        a.posX = middle + 1.5;
        v.posX = a.posX + a.bodyBoxMin[0] - gap - v.bodyBoxMax[0];
    }
}

// Plays the attack from its request to its end or to the first contact; true when the
// victim was struck (lost life, reacted, or the attacker counted a hit).
bool strikes(int attacker, std::string_view anim) {
    personagem& a = gs.fighter(attacker);
    const personagem& v = gs.opponent(attacker);
    if (!requestAnimation(attacker, anim)) {
        ADD_FAILURE() << "the attack was refused";
        return false;
    }
    for (int tick = 0; tick < 40 && a.anim == anim; ++tick) {
        battleScene();
        if (v.life < 100 || !(v.anim == "PARADO") || a.hitCount > 0) return true;
    }
    EXPECT_FALSE(a.anim == anim) << "the attack did not end";
    return false;
}

std::string describe(const ReachCase& c, int attacker, u8 victimCharacter) {
    return "character " + std::to_string(c.character) + " " + c.anim + " as fighter " +
           std::to_string(attacker) + " against character " + std::to_string(victimCharacter);
}

} // namespace

// Runs `check` on every case with each fighter slot as the attacker against both
// characters, the pair set up in the case's stance and placed `gap` apart.
template <class Check> void forEveryPairAt(f64 gap, Check check) {
    for (const ReachCase& c : cases)
        for (int attacker = 1; attacker <= 2; ++attacker)
            for (u8 victimCharacter = 1; victimCharacter <= 2; ++victimCharacter) {
                SCOPED_TRACE(describe(c, attacker, victimCharacter));
                const bool crouch = crouchingAttack(c.anim);
                setUpPair(attacker, c.character, victimCharacter, crouch);
                ASSERT_EQ(std::string(gs.fighter(attacker).anim.view()),
                          crouch ? "AGACHAR" : "PARADO");
                placeApart(attacker, gap);
                check(attacker, c.anim);
            }
}

// Touching boxes count as overlapping, so the battle's push-apart may open them to 0.2 on the
// first tick: as close as two standing fighters stay, and the attack must reach that far.
TEST(AttackReach, EveryGroundAttackLandsOnATouchingIdleOpponent) {
    forEveryPairAt(touching,
                   [](int attacker, const char* anim) { EXPECT_TRUE(strikes(attacker, anim)); });
}

TEST(AttackReach, NoGroundAttackLandsAcrossAGapOfTwoAndAHalf) {
    forEveryPairAt(outOfReach, [](int attacker, const char* anim) {
        EXPECT_FALSE(strikes(attacker, anim));
        EXPECT_EQ(gs.opponent(attacker).life, 100);
    });
}
