#include <gtest/gtest.h>

#include <string>

#include "battle_support.h"
#include "match/round_result.h"
#include "match/victory_screen.h"
#include "menus/options_menu.h"
#include "menus/scene_menus.h"
#include "recording_gfx.h"

namespace {

// A battle in its result phase: fighter 1 has won the round with `life1` left.
void resultOf(f64 life1, f64 life2) {
    freshBattle();
    gs.roundsSetting = 2;
    gs.lightingVariant = 1;
    gs.fighter(1).life = life1;
    gs.fighter(2).life = life2;
    gs.resultTimer = 100;
}

// Runs result ticks until the timer stands at t.
void resultTo(i32 t) {
    while (gs.resultTimer > t) resultStep();
}

void pressButtonOne(int index) {
    gs.fighter(index).inButtons[1] = 1;
    gs.fighter(index).inButtonsPrev[1] = 0;
}

bool drawnInColour(const RecordingGfx& rec, double r, double g, double b) {
    for (const GfxCall& c : rec.all("color"))
        if (c.a[0] == r && c.a[1] == g && c.a[2] == b && c.a[3] == 255) return true;
    return false;
}

} // namespace

TEST(RoundResult, TheMarkTellsHowTheRoundWasWon) {
    struct Case {
        i32 roundTime;
        u8 superFinish, lastSuperLevel;
        f64 life;
        const char* mark;
    } cases[] = {
        {30, 0, 0, 62, "V0"},  {30, 1, 3, 62, "S3"},   {0, 0, 0, 62, "T0"},
        {0, 1, 2, 40, "T2"},   {12, 0, 0, 100, "V0P"}, {12, 1, 1, 100, "S1P"},
        {0, 0, 0, 100, "T0P"}, {1, 0, 0, 99.9, "V0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mark);
        personagem f;
        f.superFinish = c.superFinish;
        f.lastSuperLevel = c.lastSuperLevel;
        f.life = c.life;
        EXPECT_EQ(roundMark(f, c.roundTime), c.mark);
    }
}

TEST(RoundResult, TheWinnerIsRecordedAtFifteenAndTheNextRoundStartsAtOne) {
    resultOf(55, 0);
    gs.roundTime = 20;
    gs.roundNumber = 1;
    resultTo(16);
    EXPECT_EQ(gs.fighter(1).roundsWon, 0);
    EXPECT_EQ(gs.cameraHold, 20) << "the camera holds on the winner";
    EXPECT_DOUBLE_EQ(gs.cameraTargetY, gs.fighter(1).posY + 2.8);
    resultTo(15);
    EXPECT_EQ(gs.fighter(1).roundsWon, 1);
    EXPECT_EQ(gs.fighter(1).roundMarks[1], "V0");
    EXPECT_EQ(gs.fighter(1).roundMarks[2], "-");
    EXPECT_EQ(gs.fighter(2).roundsWon, 0);
    EXPECT_DOUBLE_EQ(gs.transitionTimer(), 30);
    EXPECT_TRUE(gs.nextScene.empty()) << "one round of two does not decide the match";
    resultTo(2);
    EXPECT_EQ(gs.introTimer, 0);
    resultTo(1);
    EXPECT_EQ(gs.introTimer, 100);
    EXPECT_EQ(gs.roundNumber, 2);
    EXPECT_EQ(gs.lightingVariant, 2);
    resultTo(0);
    EXPECT_EQ(gs.fighter(1).roundsWon, 1) << "recorded once";
}

TEST(RoundResult, LightingCyclesThroughTheThreeVariants) {
    for (u8 from : {1, 2, 3}) {
        resultOf(50, 50);
        gs.lightingVariant = from;
        resultTo(1);
        EXPECT_EQ(gs.lightingVariant, from == 3 ? 1 : from + 1);
    }
}

TEST(RoundResult, ADrawMarksNobodyAndBothFightersLose) {
    resultOf(40, 40);
    gs.roundTime = 0;
    resultTo(60);
    EXPECT_EQ(gs.fighter(1).anim, "DERROTA");
    EXPECT_EQ(gs.fighter(2).anim, "DERROTA");
    EXPECT_EQ(gs.cameraHold, 0) << "a draw has no winner to aim at";
    resultTo(0);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(gs.fighter(i).roundsWon, 0);
        EXPECT_EQ(gs.fighter(i).roundMarks[1], "-");
    }
    EXPECT_TRUE(gs.nextScene.empty());
    EXPECT_EQ(gs.introTimer, 100) << "draws start another round";
}

TEST(RoundResult, APerfectRoundShowsPerfeitoFrom74To26AndMarksP) {
    resultOf(100, 0);
    for (i32 t = 99; t >= 16; --t) {
        RecordingGfx rec;
        useGfx(rec);
        resultTo(t);
        useGfx(nullGfx());
        const bool shown =
            t % 2 == 0 ? drawnInColour(rec, 255, 0, 0) : drawnInColour(rec, 255, 255, 0);
        EXPECT_EQ(shown, t >= 26 && t <= 74) << "tick " << t;
    }
    resultTo(15);
    EXPECT_EQ(gs.fighter(1).roundMarks[1], "V0P");

    resultOf(99.5, 0);
    RecordingGfx rec;
    useGfx(rec);
    resultTo(50);
    useGfx(nullGfx());
    EXPECT_FALSE(drawnInColour(rec, 255, 0, 0) || drawnInColour(rec, 255, 255, 0));
}

TEST(RoundResult, APlayersButtonOneSkipsToFifteenBetween84And16) {
    struct Case {
        i32 t; // the result tick on which the button goes down
        bool human, held, skips;
    } cases[] = {
        {85, true, false, false}, {84, true, false, true},   {50, true, false, true},
        {16, true, false, true},  {50, false, false, false}, {50, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("tick " + std::to_string(c.t) + (c.human ? " human" : " computer") +
                     (c.held ? " held" : ""));
        resultOf(70, 20);
        gs.fighter(2).isHuman = c.human ? 1 : 0;
        resultTo(c.t + 1);
        pressButtonOne(2);
        if (c.held) gs.fighter(2).inButtonsPrev[1] = 1;
        resultStep();
        EXPECT_EQ(gs.resultTimer, c.skips ? 15 : c.t);
        EXPECT_EQ(gs.fighter(1).roundsWon, c.skips ? 1 : 0) << "a skip still records the round";
        gs.fighter(2).inButtons[1] = 0;
        resultTo(0);
        EXPECT_EQ(gs.fighter(1).roundsWon, 1);
    }
}

TEST(RoundResult, WinningTheLastRoundDecidesTheMatch) {
    struct Case {
        u8 roundsSetting, wonBefore;
        bool decided;
    } cases[] = {{1, 0, true}, {2, 0, false}, {2, 1, true}, {3, 1, false}, {3, 2, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("best of " + std::to_string(c.roundsSetting) + " after " +
                     std::to_string(c.wonBefore));
        resultOf(0, 30);
        gs.roundsSetting = c.roundsSetting;
        gs.fighter(2).roundsWon = c.wonBefore;
        gs.fighter(1).winStreak = 4;
        gs.fighter(2).winStreak = 2;
        resultTo(15);
        EXPECT_EQ(gs.fighter(2).roundsWon, c.wonBefore + 1);
        EXPECT_EQ(gs.nextScene, c.decided ? "VS-VITORIA" : "");
        EXPECT_EQ(gs.victoryTimer, c.decided ? 50 : 0);
        EXPECT_EQ(gs.fighter(2).winStreak, c.decided ? 3 : 2);
        EXPECT_EQ(gs.fighter(1).winStreak, c.decided ? 0 : 4);
    }
}

// A settings file may ask for more rounds than there are marks: the rounds still count and
// the marks stop at three.
TEST(RoundResult, ALongMatchKeepsThreeMarks) {
    resultOf(80, 10);
    gs.roundsSetting = 5;
    gs.fighter(1).roundsWon = 3;
    gs.fighter(1).roundMarks[3] = "V0";
    resultTo(15);
    EXPECT_EQ(gs.fighter(1).roundsWon, 4);
    EXPECT_EQ(gs.fighter(1).roundMarks[3], "V0");
    EXPECT_TRUE(gs.nextScene.empty());
}

TEST(VictoryScreen, ShowsTheLongerStreakAndFighterTwoOnATie) {
    struct Case {
        u8 streak1, streak2;
        int winner;
    } cases[] = {{1, 0, 1}, {0, 1, 2}, {3, 3, 2}, {0, 0, 2}, {9, 10, 2}};
    for (const Case& c : cases) {
        freshBattle();
        gs.fighter(1).winStreak = c.streak1;
        gs.fighter(2).winStreak = c.streak2;
        EXPECT_EQ(victoryWinner(), c.winner) << int(c.streak1) << " to " << int(c.streak2);
    }
}

TEST(VictoryScreen, OffersTheRematchAfterTwentyFiveTicksAndLaunchesRockets) {
    freshBattle();
    gs.sceneName = "VS-VITORIA";
    gs.victoryTimer = 50;
    gs.fighter(2).winStreak = 1;
    int rockets = 0;
    for (int tick = 1; tick <= 19; ++tick) victorySceneWithMenu();
    EXPECT_EQ(gs.fighter(2).anim, "PARADO") << "idle for the first 20 ticks";
    for (int tick = 1; tick <= 5; ++tick) victorySceneWithMenu();
    EXPECT_TRUE(gs.optionsScreen.empty());
    EXPECT_TRUE(gs.fighter(2).anim == "VITORIA-1" || gs.fighter(2).anim == "VITORIA-2");
    for (int tick = 1; tick <= 200; ++tick) {
        victorySceneWithMenu();
        EXPECT_GE(gs.victoryTimer, 1);
        EXPECT_LE(gs.victoryTimer, 25);
        for (const objeto& o : gs.objectPool) rockets += o.kind == 45 ? 1 : 0;
    }
    EXPECT_EQ(gs.optionsScreen, "OPCOES-JOGO-3");
    EXPECT_GT(rockets, 0);
    EXPECT_EQ(gs.fighter(2).showMarker, 0);
}

TEST(AfterMatchMenu, LutarNovamenteStartsTheNextMatchAtRoundOne) {
    freshBattle();
    gs.sceneName = "VS-VITORIA";
    gs.optionsScreen = "OPCOES-JOGO-3";
    gs.roundNumber = 3;
    gs.lightingVariant = 3;
    for (int i = 1; i <= 2; ++i) {
        gs.fighter(i).roundsWon = 1;
        gs.fighter(i).roundMarks[1] = "V0";
    }
    gs.fighter(1).winStreak = 2;
    gs.menuInput.button1 = 1;

    gs.inputLock = 2;
    optionsMenu();
    EXPECT_TRUE(gs.nextScene.empty()) << "not while the input is locked";
    gs.inputLock = 0;
    gs.transitionTimer() = 4;
    optionsMenu();
    EXPECT_TRUE(gs.nextScene.empty()) << "not under the curtain";
    gs.transitionTimer() = 0;
    optionsMenu();
    EXPECT_EQ(gs.nextScene, "BATALHA");
    EXPECT_DOUBLE_EQ(gs.transitionTimer(), 30);
    EXPECT_EQ(gs.introTimer, 100);
    EXPECT_EQ(gs.roundNumber, 1);
    EXPECT_EQ(gs.lightingVariant, 1);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(gs.fighter(i).roundsWon, 0);
        EXPECT_EQ(gs.fighter(i).roundMarks[1], "-");
    }
    EXPECT_EQ(gs.fighter(1).winStreak, 2) << "streaks outlive the match";
}

// Online, the next match waits for both players: player 1 confirms through the first
// snapshot, player 2 through the second, in either order and on different ticks.
TEST(AfterMatchMenu, OnlineTheRematchStartsOnlyOnceBothPlayersConfirm) {
    for (int first : {1, 2}) {
        freshBattle();
        gs.sceneName = "VS-VITORIA";
        gs.optionsScreen = "OPCOES-JOGO-3";
        gs.onlineSession = 1;
        gs.menuCursor = 1;
        gs.inputLock = 0;
        auto pressBy = [](int player) {
            gs.kbInput = gs.kbInputPrev = gs.joy1Input = gs.joy1InputPrev = {};
            gs.menuInput = gs.menuInputPrev = {};
            (player == 1 ? gs.kbInput : gs.joy1Input).buttons[1] = 1;
            gs.menuInput.button1 = 1;
            optionsMenu();
        };
        pressBy(first);
        EXPECT_TRUE(gs.nextScene.empty()) << "player " << first << " alone";
        EXPECT_EQ(gs.rematchReady[static_cast<std::size_t>(first)], 1);
        pressBy(first);
        EXPECT_TRUE(gs.nextScene.empty()) << "the same player twice";
        pressBy(3 - first);
        EXPECT_EQ(gs.nextScene, "BATALHA");
        EXPECT_EQ(gs.rematchReady[1] + gs.rematchReady[2], 0) << "cleared for the next match";
    }
}

TEST(AfterMatchMenu, TelaInicialLeavesForTheTitleAndKeepsTheStreak) {
    freshBattle();
    gs.sceneName = "VS-VITORIA";
    gs.victoryTimer = 20;
    gs.fighter(1).winStreak = 2;
    gs.fighter(1).roundsWon = 2;
    gs.menuCursor = 2;
    gs.menuInput.button1 = 1;
    victorySceneWithMenu();
    EXPECT_EQ(gs.nextScene, "OPCOES");
    EXPECT_EQ(gs.fighter(1).roundsWon, 0);
    EXPECT_EQ(gs.fighter(1).winStreak, 2);
    gs.menuInput = {};
    for (int tick = 2; tick <= 16; ++tick) victorySceneWithMenu();
    EXPECT_EQ(gs.sceneName, "OPCOES");
}

TEST(AfterMatchMenu, KeyHintsShowTheBoundKey) {
    EXPECT_EQ(keyCharacter('Z'), 'Z');
    EXPECT_EQ(keyCharacter('7'), '7');
    EXPECT_EQ(keyCharacter(0x63), '3');
    EXPECT_EQ(keyCharacter(0x25), '?');
}
