// The reach of the air attacks, checked on the real battle tick (the renderer places the
// striking parts that the guard pass tests): in an air combo the juggle holds the attacker
// 1.3 in front of the victim and 0.5 above it, and every blow of the combo routes must land
// there, both the first one, thrown while the attacker still rises after the launcher, and
// the later ones, thrown from the hold. The same attacks still land in a forward jump at a
// standing opponent.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "battle_support.h"
#include "fight/animation.h"
#include "fight/fighter_setup.h"
#include "match/battle_scene.h"
#include "shell/rosters.h"

namespace {

struct AirCase {
    u8 character;
    char letter; // the attack's letter in an air combo route
    const char* anim;
};

// Every letter of both characters' routes ("BACDAD", "ADBCAD").
constexpr AirCase cases[] = {
    {1, 'A', "SOCO-FRACO-AR"}, {1, 'B', "CHUTE-FRACO-AR"}, {1, 'C', "SOCO-FORTE-AR"},
    {1, 'D', "CHUTE-FORTE-AR"}, {2, 'A', "SOCO-FRACO-AR"}, {2, 'B', "CHUTE-FRACO-AR"},
    {2, 'C', "SOCO-FORTE-AR"}, {2, 'D', "CHUTE-FORTE-AR"},
};

// Fighter 1 of character `character` against fighter 2 of `victimCharacter`, both human
// with nothing held, `gap` apart in the middle of the arena, after one tick.
void setUpPair(u8 character, u8 victimCharacter, f64 gap) {
    freshBattle();
    gs.damageLevel = 3;
    registerFighter(1, character, fighterRoster);
    registerFighter(2, victimCharacter, fighterRoster);
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
        gs.fighter(i).isHuman = 1;
    }
    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    gs.fighter(1).posX = middle - gap / 2;
    gs.fighter(2).posX = middle + gap / 2;
    battleScene();
}

// Plays the air attack from its request to its end or to the first contact; true when
// fighter 1 counted a hit or fighter 2 lost life.
bool strikes(std::string_view anim) {
    personagem& a = gs.fighter(1);
    const personagem& v = gs.fighter(2);
    if (!requestAnimation(1, anim)) {
        ADD_FAILURE() << "the attack was refused";
        return false;
    }
    const u8 hitsBefore = a.hitCount;
    const f64 lifeBefore = v.life;
    for (int tick = 0; tick < 30 && a.anim == anim; ++tick) {
        battleScene();
        if (a.hitCount != hitsBefore || v.life < lifeBefore) return true;
    }
    return false;
}

// Ticks until fighter 1 is in "PULAR" with `posY` above `height`, at most `limit` ticks.
void riseInTheJump(f64 height, int limit) {
    const personagem& a = gs.fighter(1);
    for (int tick = 0; tick < limit && !(a.anim == "PULAR" && a.posY > height); ++tick)
        battleScene();
}

std::string describe(const AirCase& c, u8 victimCharacter) {
    return "character " + std::to_string(c.character) + " " + c.anim + " (" + c.letter +
           ") against character " + std::to_string(victimCharacter);
}

} // namespace

TEST(AirComboReach, EveryRouteBlowLandsOnTheJuggledOpponent) {
    for (const AirCase& c : cases)
        for (u8 victimCharacter = 1; victimCharacter <= 2; ++victimCharacter) {
            SCOPED_TRACE(describe(c, victimCharacter));
            setUpPair(c.character, victimCharacter, 1.2);
            ASSERT_TRUE(requestAnimation(1, "GOLPE-COMBO-AEREO"));
            riseInTheJump(1.2, 80);
            const personagem& v = gs.fighter(2);
            ASSERT_EQ(std::string(v.anim.view()), "SOFRE-COMBO-AEREO");
            personagem& a = gs.fighter(1);
            // A route of this letter only, so that every blow of the test is the allowed one.
            a.airComboRoute = std::string(6, c.letter);

            EXPECT_TRUE(strikes(c.anim)) << "the first blow, the attacker still rising";
            riseInTheJump(1.0, 40);
            ASSERT_EQ(std::string(v.anim.view()), "SOFRE-COMBO-AEREO");
            EXPECT_NEAR(a.posY, v.posY + 0.5, 1e-9) << "the attacker is at the hold";
            EXPECT_TRUE(strikes(c.anim)) << "a later blow, from the hold";
        }
}

// A forward jump from 3.5 away, the attack thrown on the way down (the tenth tick of the
// jump), lands on the standing opponent.
TEST(AirComboReach, EveryAirAttackLandsInAJumpAtAStandingOpponent) {
    for (const AirCase& c : cases)
        for (u8 victimCharacter = 1; victimCharacter <= 2; ++victimCharacter) {
            SCOPED_TRACE(describe(c, victimCharacter));
            setUpPair(c.character, victimCharacter, 3.5);
            battleScene();
            ASSERT_EQ(std::string(gs.fighter(2).anim.view()), "PARADO");
            ASSERT_TRUE(requestAnimation(1, "PULAR-FRENTE"));
            for (int tick = 0; tick < 10; ++tick) battleScene();
            ASSERT_GT(gs.fighter(1).posY, 0.5);
            EXPECT_TRUE(strikes(c.anim));
        }
}
