#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fight/fight_hooks.h"
#include "fight/fighter_setup.h"
#include "shell/rosters.h"
#include "test_support.h"

namespace {

struct WindowCase {
    u8 character;
    const char* anim;
    int slot;
    std::vector<int> parts;
    double firstFrame, lastFrame;
    const char* level;
    double damage, guard, dizzy, knockback, stop;
    int sound;
};

class AttackTables : public ::testing::Test {
  protected:
    void SetUp() override {
        freshGame();
        registerFighter(1, 1, fighterRoster);
        registerFighter(2, 2, fighterRoster);
    }
    personagem& fighterOf(u8 character) { return gs.fighter(character); }
    static int liveWindows(const personagem& f) {
        int n = 0;
        for (const Acertos& a : f.hits) n += a.damage > 0 ? 1 : 0;
        return n;
    }
};

} // namespace

TEST_F(AttackTables, AnAcceptedAnimationRegistersItsRows) {
    const WindowCase cases[] = {
        {1, "SOCO-FRACO", 1, {6, 7}, 2, 4, "ALTO-1", 4, 10, 8, -0.11, 3, 4},
        {1, "CHUTE-FRACO", 1, {9, 10}, 2, 6, "BAIXO", 4, 10, 8, -0.11, 3, 5},
        {2, "CHUTE-FRACO", 1, {12, 13}, 2, 6, "BAIXO", 4, 10, 8, -0.11, 3, 5},
        {1, "CHUTE-FORTE", 1, {9, 10}, 4, 8, "ALTO-1", 8, 12, 10, -0.14, 3.5, 5},
        {2, "CHUTE-FORTE", 1, {9, 10}, 4, 8, "ALTO-2", 8, 12, 10, -0.14, 3.5, 5},
        {2, "VOADORA", 1, {9, 10, 12, 13}, 5, 14, "VOADORA", 10, 15, 15, -0.14, 4, 5},
        {1, "AGARRAR-SOCO", 1, {4}, 3, 9, "-", 4, 0, 2, 0, 3.5, 22},
        {1, "AGARRAR-SOCO", 2, {7}, 15, 21, "-", 4, 0, 2, 0, 3.5, 22},
        {1, "AGARRAR-SOCO", 3, {4}, 27, 33, "ALTO-DERRUBA", 4, 0, 6, -0.1, 3.5, 22},
        {2, "AGARRAR-SOCO", 1, {3, 4}, 13, 20, "ALTO-DERRUBA", 12, 0, 10, -0.2, 2, 22},
        {2, "GOLPE-COMBO-AEREO", 1, {6}, 8, 15, "ALTO-COMBO", 5, 10, 0, -0.14, 4, 5},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(std::string(c.anim) + " of character " + std::to_string(c.character));
        personagem& f = fighterOf(c.character);
        f.anim = c.anim;
        characterAttackData(c.character);
        const Acertos& a = f.hits[static_cast<std::size_t>(c.slot)];
        for (std::size_t p = 1; p <= 25; ++p) {
            const bool listed =
                std::find(c.parts.begin(), c.parts.end(), static_cast<int>(p)) != c.parts.end();
            EXPECT_EQ(a.hitParts[p], listed ? 1 : 0) << "part " << p;
        }
        EXPECT_EQ(a.firstFrame, c.firstFrame);
        EXPECT_EQ(a.lastFrame, c.lastFrame);
        EXPECT_EQ(a.hitType, c.level);
        EXPECT_DOUBLE_EQ(a.damage, c.damage);
        EXPECT_DOUBLE_EQ(a.guardDamage, c.guard);
        EXPECT_DOUBLE_EQ(a.dizzyDamage, c.dizzy);
        EXPECT_DOUBLE_EQ(a.knockback, c.knockback);
        EXPECT_DOUBLE_EQ(a.hitStopTicks, c.stop);
        EXPECT_EQ(a.hitSound, c.sound);
    }
}

TEST_F(AttackTables, OnlyTheCurrentAnimationsWindowsStayLive) {
    personagem& f = fighterOf(1);
    f.anim = "AGARRAR-SOCO";
    characterAttackData(1);
    EXPECT_EQ(liveWindows(f), 3);
    f.anim = "SOCO-FORTE";
    characterAttackData(1);
    EXPECT_EQ(liveWindows(f), 1);
    f.anim = "PARADO";
    characterAttackData(1);
    EXPECT_EQ(liveWindows(f), 0);
    fighterOf(2).anim = "AGARRAR-SOCO";
    characterAttackData(2);
    EXPECT_EQ(liveWindows(fighterOf(2)), 1);
}

// During a combo common attacks weaken: damage by d, dizzy by z, except the crouching
// strong kick, whose guard damage (character 1) or dizzy (character 2) is scaled by z.
TEST_F(AttackTables, ComboFactorsScaleTheMarkedValues) {
    struct ScaleCase {
        u8 character;
        const char* anim;
        double damage, guard, dizzy;
    };
    const double d = 1 / (2 * 0.7 + 1), z = 1 / (2 * 1.3 + 1);
    const ScaleCase cases[] = {
        {1, "SOCO-FRACO", 4 * d, 10, 8 * z},
        {1, "CHUTE-FORTE-AGACHADO", 9 * d, 13 * z, 11},
        {2, "CHUTE-FORTE-AGACHADO", 9 * d, 13, 11 * z},
        {1, "VOADORA", 10, 15, 15},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.anim);
        personagem& f = fighterOf(c.character);
        f.hitCount = 2;
        f.comboTimer = 30;
        f.anim = c.anim;
        characterAttackData(c.character);
        EXPECT_DOUBLE_EQ(f.hits[1].damage, c.damage);
        EXPECT_DOUBLE_EQ(f.hits[1].guardDamage, c.guard);
        EXPECT_DOUBLE_EQ(f.hits[1].dizzyDamage, c.dizzy);
    }
    personagem& f = fighterOf(1);
    f.comboTimer = 27;
    f.anim = "SOCO-FRACO";
    characterAttackData(1);
    EXPECT_DOUBLE_EQ(f.hits[1].damage, 4);
}
