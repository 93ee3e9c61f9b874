#include <gtest/gtest.h>

#include "app/key_events.h"
#include "test_support.h"

namespace {

void press(u8 key) {
    FormKeyDown(key);
}

// A battle in the fight phase: nothing that blocks the options menu.
void fightingBattle() {
    freshGame();
    gs.sceneName = "BATALHA";
}

} // namespace

TEST(StartupChoices, TwoTwoGivesBothFightersCharacterTwo) {
    freshGame();
    press('2');
    EXPECT_EQ(gs.fighter(1).character, 2);
    EXPECT_EQ(gs.fighter(1).displayName, "SEU BRANDOLIM");
    EXPECT_EQ(gs.fighter(2).character, 0);
    EXPECT_EQ(gs.sceneName, "DEBUG-PERSONAGEM");
    press('2');
    EXPECT_EQ(gs.fighter(2).character, 2);
    EXPECT_EQ(gs.sceneName, "DEBUG-CENARIO");
    EXPECT_EQ(gs.arena, 0) << "the second press was consumed, not taken as an arena";
}

TEST(StartupChoices, OtherKeysChangeNothing) {
    freshGame();
    press('3');
    press('A');
    EXPECT_EQ(gs.fighter(1).character, 0);
    press('1');
    press('1');
    ASSERT_EQ(gs.sceneName, "DEBUG-CENARIO");
    for (u8 key : {u8('3'), u8('0'), u8('Z'), vk::Return}) {
        press(key);
        EXPECT_EQ(gs.sceneName, "DEBUG-CENARIO");
        EXPECT_EQ(gs.arena, 0);
    }
}

TEST(StartupChoices, ModesSetWhoIsHuman) {
    struct Case {
        u8 key;
        const char* mode;
        u8 human1, human2;
        u8 training;
    } cases[] = {{'1', "P1-VS-CPU", 1, 0, 0},
                 {'2', "P1-VS-P2", 1, 1, 0},
                 {'3', "CPU-VS-CPU", 0, 0, 0},
                 {'4', "TREINO", 1, 0, 1}};
    for (const Case& c : cases) {
        freshGame();
        for (u8 k : {u8('1'), u8('2'), u8('2')}) press(k);
        ASSERT_EQ(gs.sceneName, "DEBUG-MODO");
        EXPECT_EQ(gs.arena, 2);
        press('5');
        EXPECT_EQ(gs.sceneName, "DEBUG-MODO");
        press(c.key);
        EXPECT_EQ(gs.gameMode, c.mode);
        EXPECT_EQ(gs.training.active, c.training);
        EXPECT_EQ(gs.fighter(1).isHuman, c.human1);
        EXPECT_EQ(gs.fighter(2).isHuman, c.human2);
        EXPECT_EQ(gs.sceneName, "DEBUG-DIFICULDADE");
        press('5');
        EXPECT_EQ(gs.difficulty, 5);
        EXPECT_EQ(gs.sceneName, "DEBUG-RESOLUCAO");
        press('9');
        EXPECT_EQ(gs.sceneName, "DEBUG-RESOLUCAO");
        EXPECT_EQ(gs.resolutionChoice, 0);
        press('3');
        EXPECT_EQ(gs.resolutionChoice, 3);
        EXPECT_EQ(gs.sceneName, "VS-APRESENTACAO");
        EXPECT_EQ(gs.versusTimer, 150);
    }
}

TEST(EscapeKey, QuitsFromEveryStartupScreenAndTheErrorScreen) {
    for (const char* scene : {"DEBUG-PERSONAGEM", "DEBUG-CENARIO", "DEBUG-MODO",
                              "DEBUG-DIFICULDADE", "DEBUG-RESOLUCAO", "ERRO"}) {
        freshGame();
        gs.sceneName = scene;
        press(vk::Escape);
        EXPECT_EQ(gs.quitRequested, 1) << scene;
    }
    freshGame();
    gs.sceneName = "VS-APRESENTACAO";
    press(vk::Escape);
    EXPECT_EQ(gs.quitRequested, 0);
}

TEST(EscapeKey, OpensTheBattleOptionsOnlyWhenTheFightRuns) {
    struct Blocker {
        const char* what;
        void (*set)();
    } blockers[] = {
        {"paused", [] { gs.paused = 1; }},
        {"intro", [] { gs.introTimer = 40; }},
        {"time over", [] { gs.timeOverTimer = 1; }},
        {"knock-out", [] { gs.knockOutTimer = 1; }},
        {"result", [] { gs.resultTimer = 1; }},
        {"input lock", [] { gs.inputLock = 1; }},
        {"curtain", [] { gs.transitionTimer() = 3; }},
    };
    for (const Blocker& b : blockers) {
        fightingBattle();
        b.set();
        press(vk::Escape);
        EXPECT_EQ(gs.pauseMenuOpen, 0) << b.what;
        EXPECT_EQ(gs.quitRequested, 0) << b.what;
    }
    fightingBattle();
    press(vk::Escape);
    EXPECT_EQ(gs.pauseMenuOpen, 1);
    EXPECT_EQ(gs.optionsScreen, "OPCOES-JOGO-1");
    EXPECT_EQ(gs.inputLock, 3) << "the same press must not close it again";
    gs.inputLock = 0;
    press(vk::Escape);
    EXPECT_EQ(gs.pauseMenuOpen, 0);
    EXPECT_TRUE(gs.optionsScreen.empty());
}

TEST(EscapeKey, GoesOneLevelBackInTheMenus) {
    struct Case {
        const char* scene;
        const char* from;
        const char* to;
        u8 cursor;
    } cases[] = {
        {"BATALHA", "LISTA-GOLPES", "OPCOES-JOGO-1", 2},
        {"BATALHA", "OPCOES-JOGO-2", "OPCOES-JOGO-1", 3},
        {"BATALHA", "TELA-PRINCIPAL", "OPCOES-JOGO-1", 4},
        {"BATALHA", "SAIR-JOGO", "OPCOES-JOGO-1", 5},
        {"BATALHA", "CONTROLES", "OPCOES-JOGO-2", 1},
        {"BATALHA", "CONFIGURAR-CONTROLES", "OPCOES-JOGO-2", 2},
        {"BATALHA", "VOLUME", "OPCOES-JOGO-2", 3},
        {"BATALHA", "OUTLINES", "OPCOES-JOGO-2", 4},
        {"BATALHA", "FLASH", "OPCOES-JOGO-2", 5},
        {"BATALHA", "MOSTRAR-CREDITOS", "OPCOES-JOGO-2", 6},
        {"BATALHA", "SALVAR-CONFIGURACOES", "OPCOES-JOGO-2", 7},
        {"CONFIGURACOES", "CONFIGURAR-CONTROLES", "OPCOES-ABERTURA", 6},
        {"CONFIGURACOES", "VOLUME", "OPCOES-ABERTURA", 7},
    };
    for (const Case& c : cases) {
        freshGame();
        gs.sceneName = c.scene;
        gs.pauseMenuOpen = gs.sceneName == "BATALHA" ? 1 : 0;
        gs.optionsScreen = c.from;
        gs.inputLock = 2; // going back ignores the lock; closing the menu does not
        press(vk::Escape);
        EXPECT_EQ(gs.optionsScreen, c.to) << c.from;
        EXPECT_EQ(gs.menuCursor, c.cursor) << c.from;
    }
}

TEST(PauseKey, TogglesTheBattleUnlessTheOptionsOrTheCurtainAreUp) {
    fightingBattle();
    gs.pauseCycle = 33;
    press(vk::Pause);
    EXPECT_EQ(gs.paused, 1);
    EXPECT_EQ(gs.pauseCycle, 0);
    press(vk::Pause);
    EXPECT_EQ(gs.paused, 0);

    gs.pauseMenuOpen = 1;
    press(vk::Pause);
    EXPECT_EQ(gs.paused, 0);
    gs.pauseMenuOpen = 0;
    gs.transitionTimer() = 5;
    press(vk::Pause);
    EXPECT_EQ(gs.paused, 0);

    freshGame();
    gs.sceneName = "VS-APRESENTACAO";
    press(vk::Pause);
    EXPECT_EQ(gs.paused, 0);
}

TEST(KeyCapture, ThirteenKeysFillTheTwelveSlotsAndWrap) {
    freshGame();
    gs.sceneName = "CONFIGURACOES";
    gs.optionsScreen = "CONFIGURAR-CONTROLES";
    gs.keyAssignSlot = 1;
    const u8 keys[13] = {'Q',      'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', vk::Numpad0 + 5,
                         vk::Left, '7'};
    for (u8 k : keys) press(k);
    for (std::size_t slot = 2; slot <= 12; ++slot)
        EXPECT_EQ(gs.keyBindings[slot][0], keys[slot - 1]) << "slot " << slot;
    EXPECT_EQ(gs.keyBindings[1][0], '7') << "the 13th key binds slot 1 again";
    EXPECT_EQ(gs.keyAssignSlot, 2);

    press(vk::F1 + 5); // not a capturable key
    EXPECT_EQ(gs.keyAssignSlot, 2);
    gs.inputLock = 1;
    press('M');
    EXPECT_EQ(gs.keyBindings[2][0], 'W') << "no capture under an input lock";
    gs.inputLock = 0;

    press(vk::F1);
    EXPECT_EQ(gs.keyAssignSlot, 1);
    EXPECT_EQ(gs.keyBindings[1][0], vk::Up);
    EXPECT_EQ(gs.keyBindings[5][0], 'Z');
    EXPECT_EQ(gs.keyBindings[12][0], '1');
}

TEST(KeyCapture, F2AndF3ResetTheJoystickMaps) {
    fightingBattle();
    gs.pauseMenuOpen = 1;
    gs.optionsScreen = "CONFIGURAR-CONTROLES";
    gs.joy1ButtonMap[1] = 7;
    gs.joy2ButtonMap[4] = 0;
    gs.joy1Row = 5;
    gs.joy2Row = 6;
    press(vk::F1 + 1);
    EXPECT_EQ(gs.joy1ButtonMap[1], 1);
    EXPECT_EQ(gs.joy1Row, 1);
    EXPECT_EQ(gs.joy2ButtonMap[4], 0);
    EXPECT_EQ(gs.joy2Row, 6);
    press(vk::F1 + 2);
    EXPECT_EQ(gs.joy2ButtonMap[4], 4);
    EXPECT_EQ(gs.joy2Row, 1);
}
