// The two top levels read the opponent's habits from what it shows and answer them; the
// lower levels never read, and a reading left unused does not touch the state hash.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "cpu_support.h"
#include "shell/state_dump.h"

namespace {

// The computer `distance` to the right of the person, their bodies `gap` apart.
void readingBattle(u8 difficulty, f64 distance, f64 gap, u32 seed = 3) {
    cpuBattle(difficulty, distance, seed);
    gs.fighterGap = gap;
}

// The person starts `anim` this tick, after `before` the tick before.
void personStarts(std::string_view before, std::string_view anim) {
    cpu().cpuFoeAnim = before;
    cpu().cpuFoeFrame = 5;
    person().anim = anim;
    person().frame = 0;
}

int count(const std::map<std::string, int>& seen, std::initializer_list<const char*> names) {
    int n = 0;
    for (const char* name : names)
        if (auto it = seen.find(name); it != seen.end()) n += it->second;
    return n;
}

} // namespace

TEST(CpuReading, EachHabitRaisesItsOwnScore) {
    struct Case {
        const char* before;
        const char* anim;
        f64 CpuReading::*score;
        f64 expected;
    } cases[] = {
        {"PARADO", "AGARRAR-SOCO", &CpuReading::throws, 1},
        {"ANDAR-FRENTE", "SOCO-FORTE", &CpuReading::throws, 0.5},
        {"PARADO", "SOCO-FORTE", &CpuReading::throws, 0},
        {"PARADO", "SOCO-FRACO", &CpuReading::jabs, 1},
        {"AGACHAR", "CHUTE-FRACO-AGACHADO", &CpuReading::jabs, 1},
        {"AGACHAR", "CHUTE-FORTE-AGACHADO", &CpuReading::jabs, 0},
        {"PARADO", "DEFESA-BAIXA", &CpuReading::turtling, 1.0 / 40},
        {"PARADO", "AGACHAR", &CpuReading::turtling, 1.0 / 40},
    };
    for (const Case& c : cases) {
        readingBattle(5, 3, 1.5);
        personStarts(c.before, c.anim);
        cpuStep(2);
        EXPECT_DOUBLE_EQ(cpu().cpuReading.*(c.score), c.expected) << c.before << " -> " << c.anim;
    }
    // The same blow going on is not a new one; the same blow from its start again is.
    readingBattle(5, 3, 1.5);
    personStarts("SOCO-FRACO", "SOCO-FRACO");
    cpu().cpuFoeFrame = 0;
    person().frame = 2;
    cpuStep(2);
    EXPECT_EQ(cpu().cpuReading.jabs, 0);
    cpu().cpuReading = {};
    person().frame = 0;
    cpu().cpuFoeFrame = 5;
    cpuStep(2);
    EXPECT_EQ(cpu().cpuReading.jabs, 1);
}

TEST(CpuReading, AJumpTowardsTheComputerIsAJumpIn) {
    struct Case {
        f64 velX;
        f64 expected;
    } cases[] = {{0.23, 1.0 / 40}, {-0.23, 0}, {0, 0}};
    for (const Case& c : cases) {
        readingBattle(5, 3, 1.5);
        personStarts("PARADO", "PULAR");
        person().posY = 0.2;
        person().jumpVelX = c.velX;
        cpuStep(2);
        EXPECT_DOUBLE_EQ(cpu().cpuReading.jumpIns, c.expected) << c.velX;
    }
}

TEST(CpuReading, HabitsFadeWithinSeconds) {
    readingBattle(5, 3, 1.5);
    cpu().cpuReading.throws = 1;
    person().anim = "PARADO";
    cpu().cpuFoeAnim = "PARADO";
    for (int t = 0; t < 100; ++t) cpuStep(2);
    EXPECT_LT(cpu().cpuReading.throws, 0.55);
    EXPECT_GT(cpu().cpuReading.throws, 0.45);
}

TEST(CpuReading, OnlyTheTwoTopLevelsRead) {
    for (u8 level = 1; level <= 5; ++level) {
        readingBattle(level, 3, 1.5);
        personStarts("PARADO", "AGARRAR-SOCO");
        cpuStep(2);
        EXPECT_EQ(cpu().cpuReading.used(), level >= 4) << int(level);
    }
}

TEST(CpuReading, AnUnusedReadingLeavesTheHashAndAUsedOneCounts) {
    readingBattle(5, 3, 1.5);
    const std::uint64_t unused = stateHash();
    cpu().cpuReading.throws = 0;
    EXPECT_EQ(stateHash(), unused);
    for (f64 CpuReading::*score :
         {&CpuReading::throws, &CpuReading::jabs, &CpuReading::punishTimer}) {
        cpu().cpuReading = {};
        cpu().cpuReading.*score = 1;
        const std::uint64_t used = stateHash();
        EXPECT_NE(used, unused);
        cpu().cpuReading.*score = 2;
        EXPECT_NE(stateHash(), used);
    }
}

// With the habit read, the top level answers it far more often than without; the same
// situation at NORMAL, which does not read, is answered no more often than by chance.
TEST(CpuAnswers, TheTopLevelAnswersWhatItRead) {
    const std::initializer_list<const char*> throwsAnims = {"AGARRAR-SOCO", "AGARRAR-CHUTE"};
    struct Case {
        const char* what;
        u8 level;
        bool read;
        int atLeast, atMost; // throws of 400 steps
    } cases[] = {
        {"a thrower in reach at MUITO DIFÍCIL", 5, true, 170, 400},
        {"the same unread", 5, false, 0, 140},
        {"a thrower in reach at NORMAL", 3, true, 0, 100},
    };
    for (const Case& c : cases) {
        readingBattle(c.level, 0.9, 0.4);
        person().anim = "PARADO";
        cpu().cpuFoeAnim = "PARADO";
        if (c.read) cpu().cpuReading.throws = 3;
        const int throws = count(decisions(400), throwsAnims);
        EXPECT_GE(throws, c.atLeast) << c.what;
        EXPECT_LE(throws, c.atMost) << c.what;
    }
}

TEST(CpuAnswers, AJumpInMeetsTheAntiAir) {
    int antiAir = 0;
    for (u32 seed = 1; seed <= 40; ++seed) {
        readingBattle(5, 1.6, 0.8, seed);
        personStarts("PARADO", "PULAR");
        person().posY = 1.0;
        person().jumpVelX = 0.23;
        person().jumpVelY = 0.2;
        cpuStep(2);
        if (cpu().anim.view().starts_with("GOLPE-ANTI-AEREO")) ++antiAir;
    }
    EXPECT_GT(antiAir, 8);
}

// A blow that cannot reach across the gap is not worth a guard at the top levels; one that
// can is guarded as often as ever, and the lower levels guard both.
TEST(CpuAnswers, ABlowOutOfReachIsNotGuarded) {
    const std::initializer_list<const char*> guards = {"DEFESA-ALTA", "DEFESA-BAIXA"};
    struct Case {
        u8 level;
        f64 gap;
        bool guarded;
    } cases[] = {{5, 0.6, true}, {5, 2.0, false}, {4, 2.0, false}, {3, 2.0, true}};
    for (const Case& c : cases) {
        readingBattle(c.level, 2.5, c.gap);
        personAttacks("ALTO-2"); // TORVEL's strong punch reaches a gap of 1.2
        cpu().cpuFoeAnim = "SOCO-FORTE";
        cpu().cpuFoeFrame = 2;
        const int n = count(decisions(400), guards);
        if (c.guarded)
            EXPECT_GT(n, 60) << int(c.level) << " at " << c.gap;
        else
            EXPECT_EQ(n, 0) << int(c.level) << " at " << c.gap;
    }
}
