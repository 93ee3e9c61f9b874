#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "fight/animation.h"
#include "fight/characters/character_commands.h"
#include "fight/command_steps.h"
#include "fight/commands.h"
#include "fight/fighter_setup.h"
#include "held_input.h"
#include "shell/rng.h"
#include "shell/rosters.h"
#include "test_support.h"

namespace {

// TORVEL on the left and SEU BRANDOLIM on the right, 4 apart, idle, both played by people.
void twoFighters() {
    freshGame();
    registerFighter(1, 1, fighterRoster);
    registerFighter(2, 2, fighterRoster);
    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        f.isHuman = 1;
        f.anim = "PARADO";
        f.posY = 0;
    }
    gs.fighter(1).posX = -2;
    gs.fighter(2).posX = 2;
    gs.fighter(1).facing = "DIR";
    gs.fighter(2).facing = "ESQ";
    gs.fighter(1).opponentSide = "DIR";
    gs.fighter(2).opponentSide = "ESQ";
    gs.fighterGap = 3;
    gs.introTimer = 0;
}

void ticks(int index, std::initializer_list<std::string_view> sequence) {
    for (std::string_view held : sequence) {
        hold(index, held);
        readCommands(index);
    }
}

std::string anim(int index) {
    return std::string(gs.fighter(index).anim.view());
}

constexpr std::string_view stickWords[] = {"TRAS",      "FRENTE",      "BAIXO",
                                           "BAIXOTRAS", "BAIXOFRENTE", "-"};

} // namespace

TEST(Commands, StickWordsFollowTheOpponentsSide) {
    struct Case {
        int fighter; // 1 has the opponent on the right ("DIR"), 2 on the left ("ESQ")
        const char* held;
        const char* word; // the one stick word that matches; empty for none
    } cases[] = {
        {1, "L", "TRAS"},
        {1, "R", "FRENTE"},
        {2, "R", "TRAS"},
        {2, "L", "FRENTE"},
        {1, "D", "BAIXO"},
        {1, "DL", "BAIXOTRAS"},
        {2, "DL", "BAIXOFRENTE"},
        {2, "DL1", "BAIXOFRENTE"},
        {1, "", "-"},
        {1, "UL", "TRAS"},
        {1, "U", ""},
        {1, "LR", ""},
        {1, "DLR", ""},
    };
    for (const Case& c : cases) {
        twoFighters();
        ticks(c.fighter, {c.held});
        const personagem& f = gs.fighter(c.fighter);
        for (std::string_view word : stickWords)
            EXPECT_EQ(wordMatches(f, word, 0), word == c.word)
                << "fighter " << c.fighter << " holding \"" << c.held << "\", word " << word;
    }
}

TEST(Commands, ButtonWordsTellANewPressFromAHeldButton) {
    twoFighters();
    const personagem& f = gs.fighter(1);
    ticks(1, {"5"});
    EXPECT_TRUE(wordMatches(f, "BT5", 0));
    EXPECT_FALSE(wordMatches(f, "BT5", 1));
    EXPECT_FALSE(wordMatches(f, "BT4", 0));
    ticks(1, {"5"});
    EXPECT_FALSE(wordMatches(f, "BT5", 0));
    EXPECT_TRUE(wordMatches(f, "BT5", 1));
    ticks(1, {""});
    EXPECT_FALSE(wordMatches(f, "BT5", 0));
    EXPECT_FALSE(wordMatches(f, "BT9", 0)) << "the recognisers know buttons 1..8 only";
}

// One tick from standing, with the opponent 4 away unless the case moves it.
TEST(Commands, OneTickFromStanding) {
    struct Case {
        int fighter;
        const char* held;
        const char* anim;
        std::function<void()> setup;
    } cases[] = {
        {1, "L", "ANDAR-TRAS", nullptr},
        {1, "R", "ANDAR-FRENTE", nullptr},
        {2, "R", "ANDAR-TRAS", nullptr},
        {2, "L", "ANDAR-FRENTE", nullptr},
        {1, "LR", "PARADO", nullptr},
        // Holding back guards once the opponent attacks.
        {2, "R", "DEFESA-ALTA", [] { gs.fighter(1).attacking = 1; }},
        {2, "DR", "DEFESA-BAIXA", [] { gs.fighter(1).attacking = 1; }},
        {2, "L", "ANDAR-FRENTE", [] { gs.fighter(1).attacking = 1; }},
        {1, "D", "AGACHAR", nullptr},
        {1, "U", "PULAR", nullptr},
        {1, "UR", "PULAR", nullptr},
        {1, "1", "SOCO-FRACO", nullptr},
        {1, "D1", "SOCO-FRACO-AGACHADO", nullptr},
        {1, "4", "CHUTE-FORTE", nullptr},
        {1, "R3", "SOCO-FORTE", nullptr},
        {1, "R3", "AGARRAR-SOCO", [] { gs.fighterGap = 0.4; }},
        {1, "L4", "AGARRAR-CHUTE", [] { gs.fighterGap = 0.4; }},
        {1, "3", "SOCO-FORTE", [] { gs.fighterGap = 0.4; }},
        {1, "L5", "ROLAR-TRAS", nullptr},
        {1, "R12", "ROLAR-FRENTE", nullptr},
        {1, "6", "GOLPE-COMBO-AEREO", nullptr},
        {1, "34", "GOLPE-COMBO-AEREO", nullptr},
        {1, "R4", "VOADORA", [] { gs.fighter(1).anim = "CORRIDA"; }},
        {1, "4", "CHUTE-FORTE", [] { gs.fighter(1).anim = "CORRIDA"; }},
        {1, "7", "USAR-ITEM", [] { gs.fighter(1).items[0] = 3; }},
        {1, "7", "JOGAR-ITEM", [] { gs.fighter(1).items[0] = 6; }},
        {1, "7", "PARADO", [] { gs.fighter(1).items[0] = 0; }},
        {1, "7", "PARADO", [] { gs.fighter(1).items[0] = 2, gs.fighter(1).itemEffect = 1; }},
    };
    for (const Case& c : cases) {
        twoFighters();
        if (c.setup) c.setup();
        ticks(c.fighter, {c.held});
        EXPECT_EQ(anim(c.fighter), c.anim)
            << "fighter " << c.fighter << " holding \"" << c.held << "\"";
    }
}

TEST(Commands, DuringTheIntroOnlyTheStickCounts) {
    struct Case {
        const char* held;
        const char* anim;
    } cases[] = {
        {"L", "ANDAR-TRAS"}, {"D", "AGACHAR"},       {"1", "PARADO"},
        {"D1", "AGACHAR"},   {"R3", "ANDAR-FRENTE"}, {"7", "PARADO"},
    };
    for (const Case& c : cases) {
        twoFighters();
        gs.fighterGap = 0.4;
        gs.fighter(1).items[0] = 3;
        gs.introTimer = 20;
        ticks(1, {c.held});
        EXPECT_EQ(anim(1), c.anim) << "holding \"" << c.held << "\"";
    }
    // No recogniser moves either, so a tap-release-tap is no back-dash.
    twoFighters();
    gs.introTimer = 20;
    ticks(1, {"L", "", "L"});
    EXPECT_EQ(anim(1), "ANDAR-TRAS");
    for (u8 state : gs.fighter(1).motionState) EXPECT_EQ(state, 0);
}

TEST(Commands, DoubleTapsDashBackAndRun) {
    struct Case {
        int fighter;
        std::vector<std::string_view> ticks;
        const char* anim;
    } cases[] = {
        {1, {"L", "", "L"}, "RECUO"},
        {2, {"R", "", "R"}, "RECUO"},
        {1, {"L", "L", "L", "L", "L", "L", "L"}, "ANDAR-TRAS"},
        {1, {"L", "", "", "", "", "L"}, "RECUO"},
        {1, {"L", "", "", "", "", "", "L"}, "ANDAR-TRAS"},
        {1, {"R", "", "R"}, "CORRIDA"},
        {1, {"R", "", "R", "R", "R"}, "CORRIDA"},
        {1, {"R", "", "R", ""}, "PARADO"},
        {1, {"L", "", "L", "UL"}, "PULAR"},
    };
    for (const Case& c : cases) {
        twoFighters();
        for (std::string_view held : c.ticks) ticks(c.fighter, {held});
        EXPECT_EQ(anim(c.fighter), c.anim) << "case ending " << c.anim;
    }
    // The quick jumps keep the dash's speed.
    twoFighters();
    ticks(1, {"L", "", "L", "UL"});
    EXPECT_DOUBLE_EQ(gs.fighter(1).jumpVelX, -0.3);
    twoFighters();
    ticks(1, {"R", "", "R", "UR"});
    EXPECT_DOUBLE_EQ(gs.fighter(1).jumpVelX, 0.3);
}

TEST(Commands, AFinishedSlotKeepsRequestingUntilItsTimerRunsOut) {
    twoFighters();
    personagem& f = gs.fighter(1);
    ticks(1, {"L", "", "L"});
    ASSERT_EQ(anim(1), "RECUO");
    // Each time the dash ends early the slot starts it again, for the rest of its five ticks.
    for (int t = 4; t <= 7; ++t) {
        f.anim = "PARADO";
        ticks(1, {""});
        EXPECT_EQ(anim(1), "RECUO") << "tick " << t;
    }
    f.anim = "PARADO";
    ticks(1, {""});
    EXPECT_EQ(anim(1), "PARADO");
    EXPECT_EQ(f.motionState[1], 0);
    // A button step lives only for its own tick.
    ticks(1, {"R3"});
    EXPECT_EQ(f.motionState[18], 2);
    ticks(1, {""});
    EXPECT_EQ(f.motionState[18], 0);
}

TEST(Commands, PowerUpNeedsButtonsOneTwoThreeHeldFromTheTickBefore) {
    twoFighters();
    personagem& f = gs.fighter(1);
    ticks(1, {"123"});
    EXPECT_EQ(anim(1), "SOCO-FRACO") << "pressed together from standing, the weak punch starts";
    EXPECT_EQ(f.motionState[6], 0);
    f.anim = "PARADO";
    ticks(1, {"123"});
    EXPECT_EQ(anim(1), "AUMENTAR-PODER");
    ticks(1, {"123"});
    EXPECT_EQ(anim(1), "AUMENTAR-PODER");
    ticks(1, {"13"});
    EXPECT_EQ(anim(1), "PARADO");

    twoFighters();
    gs.fighter(1).anim = "LEVANTAR";
    ticks(1, {"123"});
    gs.fighter(1).anim = "PARADO";
    ticks(1, {"12"});
    EXPECT_EQ(anim(1), "PARADO") << "two buttons are not enough";
}

TEST(Commands, ChainsQueueTheNextAttackWhileTheWindowIsOpen) {
    struct Case {
        const char* current;
        f64 chainWindow;
        const char* queuedBefore;
        const char* held;
        const char* queued;
    } cases[] = {
        {"SOCO-FRACO", 3, "", "2", "CHUTE-FRACO"},
        {"SOCO-FRACO", 3, "", "3", "SOCO-FORTE"},
        {"SOCO-FRACO", 3, "", "4", "CHUTE-FORTE"},
        {"CHUTE-FRACO", 3, "", "4", "CHUTE-FORTE"},
        {"CHUTE-FRACO", 3, "", "3", "SOCO-FORTE"},
        {"CHUTE-FRACO", 3, "", "1", ""},
        {"SOCO-FORTE", 3, "", "4", ""},
        {"SOCO-FRACO", 0, "", "2", ""},
        {"SOCO-FRACO", 3, "SOCO-FORTE", "2", "SOCO-FORTE"},
        {"SOCO-FRACO", 3, "", "23", "CHUTE-FRACO"},
        {"SOCO-FRACO-AGACHADO", 3, "", "D2", "CHUTE-FRACO-AGACHADO"},
        {"SOCO-FRACO-AGACHADO", 3, "", "D3", "SOCO-FORTE-AGACHADO"},
        {"CHUTE-FRACO-AGACHADO", 3, "", "D4", "CHUTE-FORTE-AGACHADO"},
        {"CHUTE-FRACO-AGACHADO", 3, "", "D3", "SOCO-FORTE-AGACHADO"},
    };
    for (const Case& c : cases) {
        twoFighters();
        personagem& f = gs.fighter(1);
        f.anim = c.current;
        f.frame = 5;
        f.chainWindow = c.chainWindow;
        f.queuedAnim = c.queuedBefore;
        ticks(1, {c.held});
        EXPECT_EQ(f.queuedAnim, c.queued) << c.current << " + \"" << c.held << "\"";
        EXPECT_EQ(f.anim, c.current) << "a chain waits for its turn";
    }
}

TEST(Commands, AirAttacksFollowTheAirComboRoute) {
    // TORVEL's route is "BACDAD": weak kick, weak punch, strong punch, strong kick ...; the
    // step counts the juggle hits landed, so step 0 wants the first letter.
    struct Case {
        const char* current;
        u8 step;
        f64 posY;
        bool juggled;
        const char* held;
        const char* anim;
        const char* queued;
        u8 foeIntangible;
    } cases[] = {
        {"PULAR", 0, 1.5, false, "1", "SOCO-FRACO-AR", "", 0},
        {"PULAR", 0, 1.5, true, "2", "CHUTE-FRACO-AR", "CHUTE-FRACO-AR", 0},
        {"PULAR", 0, 1.5, true, "1", "PULAR", "", 1},
        {"CHUTE-FRACO-AR", 1, 1.5, true, "1", "CHUTE-FRACO-AR", "SOCO-FRACO-AR", 0},
        {"CHUTE-FRACO-AR", 1, 1.5, true, "3", "CHUTE-FRACO-AR", "", 1},
        {"SOCO-FORTE-AR", 3, 0.8, true, "4", "SOCO-FORTE-AR", "CHUTE-FORTE-AR", 0},
        {"SOCO-FORTE-AR", 3, 0.5, true, "1", "SOCO-FORTE-AR", "", 0},
    };
    for (const Case& c : cases) {
        twoFighters();
        personagem& f = gs.fighter(1);
        f.anim = c.current;
        f.airborne = 1;
        f.posY = c.posY;
        f.airComboStep = c.step;
        if (c.juggled) gs.fighter(2).anim = "SOFRE-COMBO-AEREO";
        ticks(1, {c.held});
        EXPECT_EQ(f.anim, c.anim) << c.current << " step " << int(c.step) << " + " << c.held;
        EXPECT_EQ(f.queuedAnim, c.queued)
            << c.current << " step " << int(c.step) << " + " << c.held;
        EXPECT_EQ(gs.fighter(2).intangible, c.foeIntangible)
            << c.current << " step " << int(c.step) << " + " << c.held;
    }
}

TEST(Commands, TauntPicksOneOfFourAtRandom) {
    constexpr std::string_view picks[] = {"PROVOCAR", "VITORIA-1", "VITORIA-2", "DERROTA"};
    std::vector<std::string> seen;
    for (u32 seed = 1; seed <= 12; ++seed) {
        twoFighters();
        seedRandom(seed);
        ticks(1, {"D", "", "D"});
        const u32 before = gs.rngState;
        ticks(1, {"8"});
        const u32 after = gs.rngState;
        gs.rngState = before;
        const std::string_view expected = picks[random(4)];
        EXPECT_EQ(gs.rngState, after) << "one draw";
        EXPECT_EQ(anim(1), expected) << "seed " << seed;
        seen.push_back(anim(1));
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_GT(std::unique(seen.begin(), seen.end()) - seen.begin(), 1);

    twoFighters();
    const u32 before = gs.rngState;
    ticks(1, {"D", "", "8"});
    EXPECT_EQ(gs.rngState, before) << "no draw without the whole motion";
    EXPECT_EQ(anim(1), "PARADO");
}

TEST(Commands, SpecialMotionsReachTheirSlotStates) {
    struct Case {
        int fighter;
        std::vector<std::string_view> ticks;
        u8 slot;
        u8 state;
    } cases[] = {
        // TORVEL (fighter 1, opponent to the right)
        {1, {"D", "DR", "R1"}, 9, 4},
        {1, {"D", "R3"}, 9, 5},
        {1, {"D", "DR", "R", "1"}, 9, 4},
        {1, {"D", "DR", "R", "", "", "", "", "", "1"}, 9, 0},
        {1, {"D", "DR", "R", "", "", "", "", "1"}, 9, 4},
        {1, {"D", "DR", "R2"}, 12, 4},
        {1, {"D", "DL", "L4"}, 11, 5},
        {1, {"D", "DL", "L1"}, 13, 4},
        {1, {"R", "D", "DR", "R3"}, 10, 6},
        {1, {"R", "D", "DR", "3"}, 10, 6},
        {1, {"D", "DR", "R", "D", "DR", "R1"}, 14, 7},
        {1, {"D", "DL", "L", "D", "DL", "L4"}, 15, 8},
        {1, {"D", "DR", "R1"}, 14, 3},
        // The pause between the two quarter circles may last 8 ticks.
        {1, {"D", "DR", "R", "", "", "", "", "", "", "D", "DR", "R1"}, 14, 7},
        {1, {"D", "DR", "R", "", "", "", "", "", "", "", "D", "DR", "R1"}, 14, 3},
        // SEU BRANDOLIM (fighter 2, opponent to the left: forward is L)
        {2, {"D", "DL", "L1"}, 9, 4},
        {2, {"L", "R", "L3"}, 11, 5},
        {2, {"D", "DR", "R1"}, 12, 4},
        {2, {"D", "DR", "R1"}, 13, 4},
        {2, {"D", "DL", "L", "D", "DL", "L3"}, 14, 8},
        {2, {"D", "DL", "L", "DL", "D", "DR", "R1"}, 15, 8},
        {2, {"D", "DL", "L", "D", "R3"}, 15, 9},
    };
    for (const Case& c : cases) {
        twoFighters();
        for (std::string_view held : c.ticks) ticks(c.fighter, {held});
        EXPECT_EQ(gs.fighter(c.fighter).motionState[c.slot], c.state)
            << "fighter " << c.fighter << " slot " << int(c.slot) << " after " << c.ticks.size()
            << " ticks";
    }
    twoFighters();
    gs.introTimer = 5;
    ticks(1, {"D", "DR", "R1"});
    EXPECT_EQ(gs.fighter(1).motionState[9], 0);
}

// The last tick's recognition, asked of the character recognisers directly.
TEST(Commands, SupersComeFirstAndAStrongSuperFallsBackToTheWeak) {
    struct Case {
        int fighter;
        u8 character;
        std::vector<std::string_view> motion;
        const char* button;
        std::vector<std::string_view> requests;
    } cases[] = {
        {1,
         1,
         {"D", "DR", "R", "D", "DR", "R"},
         "3",
         {"SUPER-GOLPE-PROJETIL-FORTE", "SUPER-GOLPE-PROJETIL-FRACO", "GOLPE-ANTI-AEREO-FORTE",
          "GOLPE-PROJETIL-FORTE"}},
        {1,
         1,
         {"D", "DL", "L", "D", "DL", "L"},
         "2",
         {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", "GOLPE-CURTA-DISTANCIA-FRACO"}},
        {1, 1, {"D", "DR", "R"}, "13", {"GOLPE-PROJETIL-FRACO"}},
        {2,
         2,
         {"D", "DL", "L", "D", "DL", "L"},
         "1",
         {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", "GOLPE-ANTI-AEREO-FRACO", "GOLPE-PROJETIL-FRACO"}},
        {2,
         2,
         {"D", "DL", "L", "DL", "D", "DR", "R"},
         "3",
         // the first quarter circle is still alive in its slot
         {"SUPER-GOLPE-SEQUENCIA-FORTE", "SUPER-GOLPE-SEQUENCIA-FRACO", "GOLPE-PROJETIL-FORTE",
          "GOLPE-EXPLOSAO-FORTE", "GOLPE-AEREO-FORTE"}},
        {1, 3, {"D", "DR", "R"}, "1", {}},
    };
    for (const Case& c : cases) {
        twoFighters();
        gs.fighter(c.fighter).character = c.character;
        for (std::string_view held : c.motion) ticks(c.fighter, {held});
        hold(c.fighter, c.button);
        const SpecialRequests got = characterCommands(c.fighter);
        std::vector<std::string_view> names(got.names.begin(), got.names.begin() + got.count);
        EXPECT_EQ(names, c.requests) << "fighter " << c.fighter << " button " << c.button;
    }
}

TEST(Commands, ButtonEightCyclesTheItemsOncePerPress) {
    struct Case {
        std::vector<std::string_view> ticks;
        std::function<void()> setup;
        bool cycled;
    } cases[] = {
        {{"8"}, nullptr, true},
        {{"8", "8", "8"}, nullptr, true},
        {{"8"}, [] { gs.fighter(1).itemEffect = 1; }, false},
        {{"8"}, [] { gs.fighter(1).anim = "USAR-ITEM"; }, false},
        {{"8"}, [] { gs.fighter(1).isHuman = 0; }, false},
        {{"8"}, [] { gs.introTimer = 3; }, false},
    };
    for (const Case& c : cases) {
        twoFighters();
        gs.fighter(1).items = {1, 2, 3, 0, 0};
        if (c.setup) c.setup();
        for (std::string_view held : c.ticks) ticks(1, {held});
        const std::array<u8, 5> expected =
            c.cycled ? std::array<u8, 5>{2, 3, 0, 0, 1} : std::array<u8, 5>{1, 2, 3, 0, 0};
        EXPECT_EQ(gs.fighter(1).items, expected) << c.ticks.size() << " ticks";
    }
}

// Down, down-back, back and both strong buttons: the launcher starts first, and the item
// follows in the next tick while the launcher is still in its first frames.
// Button 6 ends both motions without also making Torvel's quarter circle back and kick.
TEST(Commands, TheItemMotionCancelsTheLauncherIntoTheItem) {
    twoFighters();
    personagem& f = gs.fighter(1);
    f.items[0] = 4;
    ticks(1, {"D", "DL", "L", "L6"});
    EXPECT_EQ(anim(1), "GOLPE-COMBO-AEREO");
    EXPECT_EQ(f.motionState[5], 8);
    f.attacking = 1;
    ticks(1, {""});
    EXPECT_EQ(anim(1), "USAR-ITEM");

    twoFighters();
    gs.fighter(1).items[0] = 4;
    gs.fighter(1).attacking = 1;
    ticks(1, {"D", "DL", "L", "", "", "", "", "", "", "L6"});
    EXPECT_EQ(gs.fighter(1).motionState[5], 0) << "too slow";
}
