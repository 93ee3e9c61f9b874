// Saved states: after loadState the same input gives the same stateHash, tick for tick,
// from the middle of the moments that carry the most state between ticks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame.h"
#include "battle_support.h"
#include "fight/animation.h"
#include "fight/fight_hooks.h"
#include "platform/keys.h"
#include "shell/run_mode.h"
#include "shell/saved_state.h"
#include "shell/state_dump.h"

namespace {

// Torvel and Seu Brandolim `gap` apart in the middle of the arena, boxes set and gap
// measured.
void pairAt(f64 gap) {
    freshBattle();
    runMode.pace = false;
    gs.damageLevel = 3;
    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    gs.fighter(1).posX = middle - gap / 2;
    gs.fighter(2).posX = middle + gap / 2;
    DXTimer1Timer();
    DXTimer1Timer();
}

// The keys of tick t of a fixed pattern: player 1 presses on, mashing and walking.
void holdKeysOfTick(int t) {
    setKeyDown(vk::Right, t % 30 < 12);
    setKeyDown('Z', t % 7 == 0);
    setKeyDown('X', t % 11 == 3);
    setKeyDown(vk::Down, t % 25 > 20);
}

std::vector<std::uint64_t> hashesOver(int ticks) {
    std::vector<std::uint64_t> out;
    for (int t = 0; t < ticks; ++t) {
        holdKeysOfTick(t);
        DXTimer1Timer();
        out.push_back(stateHash());
    }
    return out;
}

struct Moment {
    const char* what;
    void (*enter)();
    bool (*inside)();
};

const Moment moments[] = {
    {"inside a throw",
     [] {
         pairAt(1.1);
         ASSERT_TRUE(requestAnimation(1, "AGARRAR-SOCO"));
         for (int i = 0; i < 6; ++i) DXTimer1Timer();
     },
     [] { return gs.fighter(1).anim == "AGARRAR-SOCO" && gs.fighter(1).frame > 0; }},
    {"inside an air combo",
     [] {
         pairAt(1.2);
         ASSERT_TRUE(requestAnimation(1, "GOLPE-COMBO-AEREO"));
         for (int i = 0; i < 80 && !(gs.fighter(2).anim == "SOFRE-COMBO-AEREO"); ++i)
             DXTimer1Timer();
     },
     [] { return gs.fighter(2).anim == "SOFRE-COMBO-AEREO"; }},
    {"inside a super freeze",
     [] {
         pairAt(3.0);
         gs.fighter(1).stocks = 3;
         startSpecialMove(1, "SUPER-GOLPE-PROJETIL-FORTE");
         for (int i = 0; i < 4; ++i) DXTimer1Timer();
     },
     [] { return gs.effectTimers[3] > 0 && gs.superOwner == 1; }},
};

} // namespace

TEST(SavedState, TheSameInputAfterLoadGivesTheSameHashTickForTick) {
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.what);
        m.enter();
        ASSERT_TRUE(m.inside());
        auto saved = std::make_unique<SavedState>();
        saveState(*saved);
        const std::vector<std::uint64_t> first = hashesOver(120);
        loadState(*saved);
        EXPECT_TRUE(m.inside()) << "the load puts the moment back";
        const std::vector<std::uint64_t> again = hashesOver(120);
        EXPECT_EQ(first, again);
        EXPECT_NE(first.front(), first.back()) << "the fight moved on";
    }
}

TEST(SavedState, KeysHeldWhenSavedAreHeldAfterLoad) {
    freshBattle();
    releaseAllKeys();
    setKeyDown('Z', true);
    auto saved = std::make_unique<SavedState>();
    saveState(*saved);
    setKeyDown('Z', false);
    setKeyDown('X', true);
    gs.roundTime = 3;
    loadState(*saved);
    EXPECT_TRUE(keyIsDown('Z'));
    EXPECT_FALSE(keyIsDown('X'));
    EXPECT_EQ(gs.roundTime, 60);
    releaseAllKeys();
}

TEST(SavedState, TextsLongerThanTheirBuffersAreRefused) {
    auto s = std::make_unique<SavedState>();
    EXPECT_TRUE(savedStateWellFormed(*s));
    s->game.fighters[2].anim.len = 200;
    EXPECT_FALSE(savedStateWellFormed(*s));
    s->game.fighters[2].anim.len = 0;
    s->game.objectPool[250].alignH.len = 255;
    EXPECT_FALSE(savedStateWellFormed(*s));
}

// The sync test names the fields two states differ in, as paths into the dump.
TEST(StateDump, DifferencesAreNamedByTheirPaths) {
    freshBattle();
    const std::string before = stateDumpJson(5);
    gs.fighter(2).posX += 0.5;
    gs.fighter(1).parts[3].worldBox[2] = 9;
    gs.rngState += 1;
    const std::string after = stateDumpJson(6);
    const std::vector<std::string> fields = dumpDifferences(before, after, 10);
    EXPECT_EQ(fields, (std::vector<std::string>{"fighters[1].parts[3].worldBox[3]",
                                                "fighters[2].posX", "rngState"}));
    EXPECT_TRUE(dumpDifferences(before, before, 10).empty());
    EXPECT_EQ(dumpDifferences(before, after, 1).size(), 1u);
}
