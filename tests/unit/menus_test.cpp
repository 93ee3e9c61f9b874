// The title, mode and configuration menus and the two selection screens, one tick at a
// time with the menu input or the fighters' own flags set by hand.
#include <gtest/gtest.h>

#include <string>

#include "menus/configuration_menu.h"
#include "menus/mode_menu.h"
#include "menus/selection_screens.h"
#include "menus/title_menu.h"
#include "test_support.h"

namespace {

using Scene = void (*)();

enum class Key { None, Up, Down, Left, Right, Button1, Button2 };

// Sets the flag of `key` among a device's up, down, left, right, button 1 and button 2.
void hold(Key key, u8& up, u8& down, u8& left, u8& right, u8& button1, u8& button2) {
    u8* flags[] = {nullptr, &up, &down, &left, &right, &button1, &button2};
    if (u8* flag = flags[static_cast<int>(key)]) *flag = 1;
}

// One tick of a scene with a key of the menu input newly pressed.
void tickMenu(Scene scene, Key key = Key::None) {
    gs.menuInputPrev = {};
    gs.menuInput = {};
    MenuSnapshot& m = gs.menuInput;
    hold(key, m.up, m.down, m.left, m.right, m.button1, m.button2);
    scene();
    gs.menuInput = gs.menuInputPrev = {};
}

// One tick of a scene with a key of fighter i's own flags newly pressed.
void tickFighter(Scene scene, int i, Key key) {
    for (int j = 1; j <= 2; ++j) {
        personagem& f = gs.fighter(j);
        f.inUp = f.inDown = f.inLeft = f.inRight = 0;
        f.inUpPrev = f.inDownPrev = f.inLeftPrev = f.inRightPrev = 0;
        f.inButtons = {};
        f.inButtonsPrev = {};
    }
    personagem& f = gs.fighter(i);
    hold(key, f.inUp, f.inDown, f.inLeft, f.inRight, f.inButtons[1], f.inButtons[2]);
    scene();
}

void onScene(const char* scene, u8 cursor = 1) {
    freshGame();
    gs.sceneName = scene;
    gs.menuCursor = cursor;
    gs.menuColumn = 1;
    if (gs.sceneName == "CONFIGURACOES") gs.optionsScreen = "OPCOES-ABERTURA";
}

// The mode menu's confirm, as the way into the fighter selection.
void selectionIn(u8 modeRow) {
    onScene("VS-SELECAO-JOG", modeRow);
    tickMenu(modeMenuScene, Key::Button1);
    gs.effectTimers = {};
    gs.soundRequest = 0;
    gs.sceneName = "SELECAO-LUTADOR";
}

} // namespace

TEST(TitleMenu, OnlyVsTrainingConfigurationAndQuitLeadAnywhere) {
    struct Case {
        u8 row;
        u8 sound;
        const char* next;
        const char* optionsScreen;
    } cases[] = {
        {1, 18, "", ""},
        {2, 19, "VS-SELECAO-JOG", ""},
        {3, 19, "SELECAO-LUTADOR", ""},
        {4, 18, "", ""},
        {5, 18, "", ""},
        {6, 19, "CONFIGURACOES", "OPCOES-ABERTURA"},
        {7, 19, "SAIR-DO-JOGO", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row));
        onScene("OPCOES", c.row);
        tickMenu(titleMenuScene, Key::Button1);
        EXPECT_EQ(gs.soundRequest, c.sound);
        EXPECT_EQ(gs.nextScene, c.next);
        EXPECT_EQ(gs.optionsScreen, c.optionsScreen);
        // The curtain's first frame is drawn in the tick of the request.
        EXPECT_DOUBLE_EQ(gs.transitionTimer(), *c.next ? 29 : 0);
        for (int tick = 2; tick <= 16; ++tick) tickMenu(titleMenuScene);
        EXPECT_EQ(gs.sceneName, *c.next ? c.next : "OPCOES");
        EXPECT_EQ(gs.quitRequested, c.row == 7 ? 1 : 0) << "the game ends at the switch";
        // Training: player 1 chooses both fighters; the dummy is not a player.
        EXPECT_EQ(gs.training.active, c.row == 3 ? 1 : 0);
        if (c.row == 3) {
            EXPECT_EQ(gs.gameMode, "TREINO");
            EXPECT_EQ(gs.fighter(1).isHuman, 1);
            EXPECT_EQ(gs.fighter(2).isHuman, 0);
        }
    }
    onScene("OPCOES", 2);
    gs.transitionTimer() = 20;
    tickMenu(titleMenuScene, Key::Button1);
    EXPECT_TRUE(gs.nextScene.empty()) << "a confirm under the curtain is ignored";
    EXPECT_EQ(gs.soundRequest, 0);
}

// A press past either end leaves the cursor past it for the rest of the tick (the lists
// clamp before drawing); the next tick puts it back.
TEST(MenuLists, CursorsStopAtBothEnds) {
    struct Case {
        const char* scene;
        Scene run;
        u8 rows;
    } cases[] = {
        {"OPCOES", titleMenuScene, 7},
        {"VS-SELECAO-JOG", modeMenuScene, 4},
        {"CONFIGURACOES", configurationMenuScene, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scene);
        onScene(c.scene, 1);
        tickMenu(c.run, Key::Up);
        tickMenu(c.run);
        EXPECT_EQ(gs.menuCursor, 1);
        for (int r = 1; r < c.rows + 3; ++r) tickMenu(c.run, Key::Down);
        tickMenu(c.run);
        EXPECT_EQ(gs.menuCursor, c.rows);
        tickMenu(c.run, Key::Up);
        tickMenu(c.run);
        EXPECT_EQ(gs.menuCursor, c.rows - 1);
    }
}

TEST(ModeMenu, EveryConfirmResetsBothFightersAndSetsWhoPlays) {
    struct Case {
        u8 row;
        u8 human1, human2;
        const char* next;
        u8 sound;
    } cases[] = {
        {1, 1, 0, "SELECAO-LUTADOR", 19},
        {2, 1, 1, "SELECAO-LUTADOR", 19},
        {3, 0, 0, "SELECAO-LUTADOR", 19},
        {4, 1, 1, "OPCOES", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row));
        onScene("VS-SELECAO-JOG", c.row);
        gs.effectTimers[1] = 9;
        gs.knockOutTimer = 12;
        for (int i = 1; i <= 2; ++i) {
            personagem& f = gs.fighter(i);
            f.roundsWon = 2;
            f.characterChosen = 1;
            f.strengthChosen = 1;
            f.damageScale = 1.5;
            f.selectRow = 5;
        }
        tickMenu(modeMenuScene, Key::Button1);
        EXPECT_EQ(gs.nextScene, c.next);
        EXPECT_EQ(gs.soundRequest, c.sound);
        EXPECT_EQ(gs.effectTimers[1], 0);
        EXPECT_EQ(gs.knockOutTimer, 0);
        EXPECT_EQ(gs.fighter(1).isHuman, c.human1);
        EXPECT_EQ(gs.fighter(2).isHuman, c.human2);
        for (int i = 1; i <= 2; ++i) {
            const personagem& f = gs.fighter(i);
            EXPECT_EQ(f.roundsWon, 0);
            EXPECT_EQ(f.characterChosen, 0);
            EXPECT_EQ(f.strengthChosen, 0);
            EXPECT_EQ(f.damageScale, 1.0);
            EXPECT_EQ(f.selectColumn, i == 1 ? 2 : 3);
            EXPECT_EQ(f.selectRow, 2);
            EXPECT_EQ(f.posX, i == 1 ? -6 : 6);
            EXPECT_EQ(f.showMarker, 1);
        }
    }
}

TEST(ModeMenu, Button2GoesBackWithVoltarMarked) {
    onScene("VS-SELECAO-JOG", 2);
    tickMenu(modeMenuScene, Key::Button2);
    EXPECT_EQ(gs.nextScene, "OPCOES");
    EXPECT_EQ(gs.menuCursor, 4);
    EXPECT_EQ(gs.soundRequest, 20);
    for (int tick = 2; tick <= 15; ++tick) tickMenu(modeMenuScene);
    EXPECT_EQ(gs.menuCursor, 4) << "row 4 stays marked while the curtain closes";
    tickMenu(modeMenuScene);
    EXPECT_EQ(gs.sceneName, "OPCOES");
}

TEST(ConfigurationMenu, LeftAndRightChangeTheSettingsWithinTheirRanges) {
    struct Case {
        u8 row;
        u8 GameState::*setting;
        u8 start;
        Key key;
        int presses;
        u8 shown;
    } cases[] = {
        {1, &GameState::difficulty, 0, Key::None, 0, 1},
        {1, &GameState::difficulty, 4, Key::Right, 3, 5},
        {1, &GameState::difficulty, 2, Key::Left, 3, 1},
        {2, &GameState::roundTimeSetting, 2, Key::Right, 5, 4},
        {3, &GameState::roundsSetting, 2, Key::Right, 2, 3},
        {3, &GameState::roundsSetting, 2, Key::Left, 2, 1},
        {4, &GameState::damageLevel, 3, Key::Left, 1, 2},
        {5, &GameState::controlMode, 1, Key::Right, 4, 3},
        {8, &GameState::outlinesOn, 1, Key::Right, 1, 0},
        {8, &GameState::outlinesOn, 0, Key::Left, 1, 1},
        {9, &GameState::flashOn, 1, Key::Right, 2, 0},
        {10, &GameState::showCredits, 0, Key::Left, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row) + " from " + std::to_string(c.start));
        onScene("CONFIGURACOES", c.row);
        gs.*c.setting = c.start;
        for (int p = 0; p < c.presses; ++p) tickMenu(configurationMenuScene, c.key);
        tickMenu(configurationMenuScene);
        EXPECT_EQ(gs.*c.setting, c.shown);
    }
}

TEST(ConfigurationMenu, RowsHandOverToTheOptionSubScreens) {
    struct Case {
        u8 row;
        Key key;
        const char* screen;
        u8 cursor;
    } cases[] = {
        {6, Key::Button1, "CONFIGURAR-CONTROLES", 6},  {7, Key::Button1, "VOLUME", 1},
        {11, Key::Button1, "SALVAR-CONFIGURACOES", 1}, {3, Key::Button2, "SALVAR-CONFIGURACOES", 1},
        {2, Key::Button1, "OPCOES-ABERTURA", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row));
        onScene("CONFIGURACOES", c.row);
        gs.keyAssignSlot = 7;
        tickMenu(configurationMenuScene, c.key);
        EXPECT_EQ(gs.optionsScreen, c.screen);
        EXPECT_EQ(gs.menuCursor, c.cursor);
        if (c.row == 6) {
            EXPECT_EQ(gs.keyAssignSlot, 1);
        }
        EXPECT_EQ(gs.inputLock, std::string(c.screen) == "OPCOES-ABERTURA" ? 0 : 5);
    }
}

// Under the curtain and behind a sub-screen the list takes no keys.
TEST(ConfigurationMenu, TheListTakesNoKeysUnderTheCurtainOrBehindASubScreen) {
    onScene("CONFIGURACOES", 1);
    gs.difficulty = 3;
    gs.transitionTimer() = 10;
    tickMenu(configurationMenuScene, Key::Right);
    tickMenu(configurationMenuScene, Key::Down);
    EXPECT_EQ(gs.difficulty, 3);
    EXPECT_EQ(gs.menuCursor, 1);

    onScene("CONFIGURACOES", 1);
    gs.difficulty = 3;
    gs.optionsScreen = "VOLUME";
    tickMenu(configurationMenuScene, Key::Right);
    EXPECT_EQ(gs.difficulty, 3) << "right raises the volume, not the difficulty";
    EXPECT_EQ(gs.musicVolume, -900);
}

TEST(FighterSelection, OnePlayerSteersAndConfirmsTheComputer) {
    selectionIn(1);
    tickFighter(fighterSelectionScene, 1, Key::None);
    EXPECT_EQ(gs.fighter(1).character, 1) << "the cursor's cell is previewed";
    EXPECT_EQ(gs.fighter(2).characterChosen, 0);
    tickFighter(fighterSelectionScene, 2, Key::Button1);
    EXPECT_EQ(gs.fighter(2).characterChosen, 0) << "the computer's panel waits for player 1";

    tickFighter(fighterSelectionScene, 1, Key::Button1);
    EXPECT_EQ(gs.fighter(1).characterChosen, 1);
    EXPECT_EQ(gs.fighter(2).characterChosen, 0) << "one press confirms one fighter";
    EXPECT_EQ(gs.fighter(1).showMarker, 0);
    EXPECT_TRUE(gs.fighter(1).anim == "VITORIA-1" || gs.fighter(1).anim == "VITORIA-2");
    EXPECT_EQ(gs.soundRequest, 19);

    tickFighter(fighterSelectionScene, 1, Key::Left);
    EXPECT_EQ(gs.fighter(2).selectColumn, 2) << "player 1 moves the computer's cursor";
    tickFighter(fighterSelectionScene, 1, Key::None);
    EXPECT_EQ(gs.fighter(2).character, 1);
    tickFighter(fighterSelectionScene, 1, Key::Button1);
    EXPECT_EQ(gs.fighter(2).characterChosen, 1);
    EXPECT_EQ(gs.fighter(2).strengthChosen, 1) << "no strength choice against the computer";
    EXPECT_EQ(gs.nextScene, "SELECAO-CENARIO");
    EXPECT_DOUBLE_EQ(gs.transitionTimer(), 49) << "the victory poses play before the curtain";
}

TEST(FighterSelection, AnEmptyCellPreviewsNobodyAndRefusesTheConfirm) {
    selectionIn(2);
    tickFighter(fighterSelectionScene, 1, Key::None);
    ASSERT_EQ(gs.fighter(1).character, 1);
    tickFighter(fighterSelectionScene, 1, Key::Up);
    tickFighter(fighterSelectionScene, 1, Key::None);
    EXPECT_EQ(gs.fighter(1).character, 0);
    tickFighter(fighterSelectionScene, 1, Key::Button1);
    EXPECT_EQ(gs.fighter(1).characterChosen, 0);
    EXPECT_EQ(gs.soundRequest, 0);
    // The cursor stops at the grid's edges.
    for (int p = 0; p < 3; ++p) tickFighter(fighterSelectionScene, 1, Key::Up);
    for (int p = 0; p < 6; ++p) tickFighter(fighterSelectionScene, 1, Key::Right);
    EXPECT_EQ(gs.fighter(1).selectRow, 1);
    EXPECT_EQ(gs.fighter(1).selectColumn, 4);
}

TEST(FighterSelection, TwoPlayersChooseAStrengthAndCancelOneStepAtATime) {
    selectionIn(2);
    tickFighter(fighterSelectionScene, 2, Key::Button1);
    ASSERT_EQ(gs.fighter(2).characterChosen, 1) << "player 2 may choose first";
    for (int p = 0; p < 4; ++p) tickFighter(fighterSelectionScene, 2, Key::Down);
    EXPECT_EQ(gs.fighter(2).damageScale, 1.5);
    tickFighter(fighterSelectionScene, 2, Key::Up);
    EXPECT_EQ(gs.fighter(2).damageScale, 1.25);
    tickFighter(fighterSelectionScene, 2, Key::Button1);
    EXPECT_EQ(gs.fighter(2).strengthChosen, 1);

    tickFighter(fighterSelectionScene, 2, Key::Button2);
    EXPECT_EQ(gs.fighter(2).strengthChosen, 0);
    EXPECT_EQ(gs.fighter(2).characterChosen, 1) << "only the strength is taken back";
    tickFighter(fighterSelectionScene, 2, Key::Button2);
    EXPECT_EQ(gs.fighter(2).characterChosen, 0);
    EXPECT_EQ(gs.fighter(2).anim, "PARADO");
    EXPECT_EQ(gs.fighter(2).showMarker, 1);
    EXPECT_EQ(gs.fighter(2).damageScale, 1.25) << "the strength chosen stays";

    for (int i = 1; i <= 2; ++i) {
        tickFighter(fighterSelectionScene, i, Key::Button1);
        tickFighter(fighterSelectionScene, i, Key::Button1);
    }
    EXPECT_EQ(gs.nextScene, "SELECAO-CENARIO");
}

TEST(ArenaSelection, OnlyTheTwoArenasCanBeConfirmed) {
    onScene("SELECAO-CENARIO");
    tickMenu(arenaSelectionScene, Key::Down);
    EXPECT_EQ(gs.arena, 4);
    tickFighter(arenaSelectionScene, 1, Key::Button1);
    EXPECT_TRUE(gs.nextScene.empty()) << "an empty cell";

    onScene("SELECAO-CENARIO");
    for (int p = 0; p < 4; ++p) tickMenu(arenaSelectionScene, Key::Left);
    tickMenu(arenaSelectionScene, Key::Right);
    EXPECT_EQ(gs.arena, 2);
    gs.lightingVariant = 3;
    tickFighter(arenaSelectionScene, 2, Key::Button1);
    EXPECT_EQ(gs.nextScene, "VS-APRESENTACAO");
    EXPECT_EQ(gs.versusTimer, 150);
    EXPECT_EQ(gs.lightingVariant, 1);
    EXPECT_NE(gs.arenaLimitX2, 0) << "the arena is set up";
}
