#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/frame.h"
#include "assets/config_file.h"
#include "assets/textures.h"
#include "battle_support.h"
#include "menus/options_menu.h"
#include "menus/scene_menus.h"
#include "platform/joystick.h"
#include "recording_gfx.h"
#include "scratch_dir.h"
#include "shell/run_mode.h"

namespace {

// The options menu open over a fight on `screen`, row `cursor`, nothing held, no lock.
void openOn(const char* screen, u8 cursor) {
    freshBattle();
    gs.pauseMenuOpen = 1;
    gs.optionsScreen = screen;
    gs.menuCursor = cursor;
    gs.inputLock = 0;
}

enum class Press { Confirm, Back };

void press(Press p) {
    gs.menuInputPrev = {};
    gs.menuInput = {};
    if (p == Press::Confirm)
        gs.menuInput.button1 = 1;
    else
        gs.menuInput.button2 = 1;
}

// One tick of the menu with a button newly pressed; the devices are idle afterwards.
void tickPressing(Press p) {
    press(p);
    optionsMenu();
    gs.menuInput = gs.menuInputPrev = {};
}

} // namespace

TEST(OptionsMenu, ConfirmsAndBacksLeadWhereTheRowSays) {
    struct Case {
        const char* from;
        u8 cursor;
        Press press;
        const char* to;
        u8 toCursor;
        u8 menuOpen;
    } cases[] = {
        {"OPCOES-JOGO-1", 1, Press::Confirm, "", 1, 0},
        {"OPCOES-JOGO-1", 2, Press::Confirm, "LISTA-GOLPES", 2, 1},
        {"OPCOES-JOGO-1", 3, Press::Confirm, "OPCOES-JOGO-2", 1, 1},
        {"OPCOES-JOGO-1", 4, Press::Confirm, "TELA-PRINCIPAL", 2, 1},
        {"OPCOES-JOGO-1", 5, Press::Confirm, "SAIR-JOGO", 2, 1},
        {"OPCOES-JOGO-1", 4, Press::Back, "", 1, 0},
        {"OPCOES-JOGO-2", 1, Press::Confirm, "CONTROLES", 1, 1},
        {"OPCOES-JOGO-2", 2, Press::Confirm, "CONFIGURAR-CONTROLES", 2, 1},
        {"OPCOES-JOGO-2", 3, Press::Confirm, "VOLUME", 1, 1},
        {"OPCOES-JOGO-2", 4, Press::Confirm, "OUTLINES", 4, 1},
        {"OPCOES-JOGO-2", 5, Press::Confirm, "FLASH", 5, 1},
        {"OPCOES-JOGO-2", 6, Press::Confirm, "MOSTRAR-CREDITOS", 6, 1},
        {"OPCOES-JOGO-2", 7, Press::Confirm, "SALVAR-CONFIGURACOES", 1, 1},
        {"OPCOES-JOGO-2", 8, Press::Confirm, "OPCOES-JOGO-1", 3, 1},
        {"OPCOES-JOGO-2", 6, Press::Back, "OPCOES-JOGO-1", 3, 1},
        {"LISTA-GOLPES", 2, Press::Back, "OPCOES-JOGO-1", 2, 1},
        {"CONTROLES", 1, Press::Back, "OPCOES-JOGO-2", 1, 1},
        {"VOLUME", 2, Press::Back, "OPCOES-JOGO-2", 3, 1},
        {"OUTLINES", 4, Press::Back, "OPCOES-JOGO-2", 4, 1},
        {"FLASH", 5, Press::Back, "OPCOES-JOGO-2", 5, 1},
        {"MOSTRAR-CREDITOS", 6, Press::Back, "OPCOES-JOGO-2", 6, 1},
        {"SALVAR-CONFIGURACOES", 1, Press::Back, "OPCOES-JOGO-2", 7, 1},
        {"TELA-PRINCIPAL", 1, Press::Back, "OPCOES-JOGO-1", 4, 1},
        {"TELA-PRINCIPAL", 2, Press::Confirm, "OPCOES-JOGO-1", 4, 1},
        {"SAIR-JOGO", 2, Press::Confirm, "OPCOES-JOGO-1", 5, 1},
        {"SAIR-JOGO", 1, Press::Back, "OPCOES-JOGO-1", 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " row " + std::to_string(c.cursor) +
                     (c.press == Press::Confirm ? " confirmed" : " back"));
        openOn(c.from, c.cursor);
        gs.controlMode = 2;
        gs.keyAssignSlot = gs.joy1Row = gs.joy2Row = 7;
        tickPressing(c.press);
        EXPECT_EQ(gs.optionsScreen, c.to);
        EXPECT_EQ(gs.menuCursor, c.toCursor);
        EXPECT_EQ(gs.pauseMenuOpen, c.menuOpen);
        EXPECT_EQ(gs.inputLock, 5) << "the next screen ignores the devices for five ticks";
        EXPECT_EQ(gs.quitRequested, 0);
        if (gs.optionsScreen == "CONTROLES") {
            EXPECT_EQ(gs.menuColumn, 2) << "the current mode";
        }
        if (gs.optionsScreen == "CONFIGURAR-CONTROLES") {
            EXPECT_EQ(gs.keyAssignSlot, 1);
            EXPECT_EQ(gs.joy1Row, 1);
            EXPECT_EQ(gs.joy2Row, 1);
        }
    }
}

TEST(OptionsMenu, CursorsStayWithinEachScreensRows) {
    struct Case {
        const char* screen;
        u8 rows;
    } cases[] = {{"OPCOES-JOGO-1", 5}, {"OPCOES-JOGO-2", 8},  {"VOLUME", 2},
                 {"SAIR-JOGO", 2},     {"TELA-PRINCIPAL", 2}, {"SALVAR-CONFIGURACOES", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        openOn(c.screen, 1);
        for (int i = 0; i < 12; ++i) {
            gs.menuInput = {};
            gs.menuInputPrev = {};
            gs.menuInput.down = 1;
            optionsMenu();
        }
        EXPECT_EQ(gs.menuCursor, c.rows);
        for (int i = 0; i < 12; ++i) {
            gs.menuInput = {};
            gs.menuInputPrev = {};
            gs.menuInput.up = 1;
            optionsMenu();
        }
        EXPECT_EQ(gs.menuCursor, 1);
        EXPECT_EQ(gs.optionsScreen, c.screen) << "moving the cursor confirms nothing";
    }
}

TEST(OptionsMenu, ContinuarClosesTheMenuAndTheFightResumes) {
    openOn("OPCOES-JOGO-1", 1);
    gs.fighter(1).anim = "PARADO";
    tickPressing(Press::Confirm);
    EXPECT_EQ(gs.pauseMenuOpen, 0);
    EXPECT_TRUE(gs.optionsScreen.empty());
    gs.menuInput.button1 = 1;
    optionsMenu();
    EXPECT_EQ(gs.pauseMenuOpen, 0) << "a closed menu takes no input";
}

TEST(OptionsMenu, HeldDirectionsMoveTheSelectedVolumeWithinItsRange) {
    struct Case {
        u8 row;
        bool right;
        i32 from;
        int ticks;
        i32 music, sound; // after the ticks
    } cases[] = {
        {1, true, -1000, 30, 0, -1000},      {1, true, -1000, 4, -600, -1000},
        {2, false, -1000, 30, -1000, -2000}, {2, true, -1950, 1, -1000, -1850},
        {1, false, -50, 1, -150, -1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row) + (c.right ? " right " : " left ") +
                     std::to_string(c.ticks) + " ticks");
        openOn("VOLUME", c.row);
        gs.musicVolume = gs.soundVolume = -1000;
        (c.row == 1 ? gs.musicVolume : gs.soundVolume) = c.from;
        i32& moved = c.row == 1 ? gs.musicVolume : gs.soundVolume;
        for (int t = 1; t <= c.ticks; ++t) {
            gs.menuInput = {};
            (c.right ? gs.menuInput.right : gs.menuInput.left) = 1;
            optionsMenu();
            gs.menuInputPrev = gs.menuInput; // held, not newly pressed
            EXPECT_GE(moved, -2000);
            EXPECT_LE(moved, 0);
        }
        EXPECT_EQ(gs.musicVolume, c.music);
        EXPECT_EQ(gs.soundVolume, c.sound);
        EXPECT_EQ(gs.menuCursor, c.row) << "left and right do not move the row";
    }
}

TEST(OptionsMenu, ConfirmingResetsTheSelectedVolumeOnlyWithoutInputLock) {
    for (double lock : {0.0, 2.0}) {
        for (u8 row : {1, 2}) {
            openOn("VOLUME", row);
            gs.musicVolume = -300;
            gs.soundVolume = -1700;
            gs.inputLock = lock;
            press(Press::Confirm);
            optionsMenu();
            const bool resets = lock == 0;
            EXPECT_EQ(gs.musicVolume, resets && row == 1 ? -1000 : -300) << "lock " << lock;
            EXPECT_EQ(gs.soundVolume, resets && row == 2 ? -1000 : -1700) << "lock " << lock;
            EXPECT_EQ(gs.optionsScreen, "VOLUME");
        }
    }
}

TEST(OptionsMenu, QuestionsActOnTheirAnswer) {
    struct Case {
        const char* screen;
        u8 row;
        const char* to;
        u8 toCursor;
        u8 quit;
    } cases[] = {
        {"SAIR-JOGO", 2, "OPCOES-JOGO-1", 5, 0},
        {"SAIR-JOGO", 1, "SAIR-JOGO", 1, 1},
        {"TELA-PRINCIPAL", 2, "OPCOES-JOGO-1", 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.screen) + (c.row == 1 ? " SIM" : " NÃO"));
        openOn(c.screen, c.row);
        tickPressing(Press::Confirm);
        EXPECT_EQ(gs.optionsScreen, c.to);
        EXPECT_EQ(gs.menuCursor, c.toCursor);
        EXPECT_EQ(gs.quitRequested, c.quit);
        EXPECT_EQ(gs.pauseMenuOpen, 1);
    }
}

// "TELA INICIAL ?" yes ends the fight with nothing recorded and leaves for the title under
// the curtain, the fight standing still behind the closed menu.
TEST(OptionsMenu, TelaInicialEndsTheFightAndOpensTheTitle) {
    openOn("TELA-PRINCIPAL", 1);
    gs.fighter(1).winStreak = 3;
    for (int i = 1; i <= 2; ++i) {
        gs.fighter(i).roundsWon = 1;
        gs.fighter(i).roundMarks[1] = "V0";
        gs.fighter(i).life = 40;
        gs.fighter(i).power = 70;
    }
    gs.effectTimers = {5, 6, 7, 8, 0};
    gs.knockOutTimer = 30;
    gs.frameDelayExtra = 30;
    gs.hitStop = 4;
    gs.roundNumber = 2;
    tickPressing(Press::Confirm);

    EXPECT_EQ(gs.pauseMenuOpen, 0);
    EXPECT_EQ(gs.paused, 0);
    EXPECT_TRUE(gs.optionsScreen.empty());
    EXPECT_EQ(gs.nextScene, "OPCOES");
    EXPECT_DOUBLE_EQ(gs.transitionTimer(), 30);
    for (std::size_t k = 1; k <= 4; ++k) EXPECT_EQ(gs.effectTimers[k], 0) << "effect " << k;
    EXPECT_EQ(gs.knockOutTimer, 0);
    EXPECT_EQ(gs.frameDelayExtra, 0);
    EXPECT_EQ(gs.hitStop, 0);
    EXPECT_EQ(gs.fighter(1).winStreak, 3) << "no match result is recorded";
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(gs.fighter(i).roundsWon, 0);
        EXPECT_EQ(gs.fighter(i).roundMarks[1], "-");
        EXPECT_EQ(gs.fighter(i).life, 100);
        EXPECT_EQ(gs.fighter(i).power, 0);
    }
    // The curtain runs (the menu no longer holds the fight) and the title comes under it:
    // the battle runs its effects before the menu, so the curtain starts the tick after.
    gs.fighter(2).isHuman = 0;
    for (int tick = 1; tick <= 15; ++tick) {
        battleSceneWithOptions();
        EXPECT_EQ(gs.worldFrozen, 1) << "the fight stands still under the curtain";
    }
    EXPECT_EQ(gs.fighter(2).anim, "PARADO") << "the computer does not fight on";
    EXPECT_EQ(gs.roundTimeF, 99);
    battleSceneWithOptions();
    EXPECT_EQ(gs.sceneName, "OPCOES");
    EXPECT_EQ(gs.menuCursor, 1);
}

TEST(OptionsMenu, ConfirmTogglesEachSwitch) {
    struct Case {
        const char* screen;
        u8 GameState::*flag;
    } cases[] = {{"OUTLINES", &GameState::outlinesOn},
                 {"FLASH", &GameState::flashOn},
                 {"MOSTRAR-CREDITOS", &GameState::showCredits}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        openOn(c.screen, 1);
        const u8 outlines = gs.outlinesOn, flash = gs.flashOn, credits = gs.showCredits;
        ASSERT_EQ(gs.*c.flag, 1);
        tickPressing(Press::Confirm);
        EXPECT_EQ(gs.*c.flag, 0);
        gs.menuInput.button1 = 1;
        gs.menuInputPrev.button1 = 1;
        optionsMenu();
        EXPECT_EQ(gs.*c.flag, 0) << "a held button toggles once";
        tickPressing(Press::Confirm);
        EXPECT_EQ(gs.*c.flag, 1);
        EXPECT_EQ(gs.outlinesOn + gs.flashOn + gs.showCredits, outlines + flash + credits)
            << "only its own switch";
        EXPECT_EQ(gs.optionsScreen, c.screen);
    }
}

TEST(OptionsMenu, ConfirmSetsTheControlModeShown) {
    for (u8 column : {0, 1, 2, 3, 4}) {
        openOn("CONTROLES", 1);
        gs.controlMode = 1;
        gs.menuColumn = column;
        tickPressing(Press::Confirm);
        const u8 shown = std::clamp<u8>(column, 1, 3);
        EXPECT_EQ(gs.menuColumn, shown);
        EXPECT_EQ(gs.controlMode, shown);
    }
}

TEST(OptionsMenu, AJoystickButtonGoesToTheSelectedRowAndLeavesTheOthers) {
    struct Case {
        int joystick;
        u8 row;
        u8 before; // the physical button the map holds at `holder` beforehand
        u8 holder; // the row holding it
        u8 button; // newly pressed
    } cases[] = {
        {1, 3, 7, 7, 7}, {1, 1, 1, 1, 1}, {2, 8, 2, 2, 2}, {2, 5, 10, 10, 10}, {1, 2, 9, 4, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("joystick " + std::to_string(c.joystick) + " row " + std::to_string(c.row) +
                     " button " + std::to_string(c.button));
        openOn("CONFIGURAR-CONTROLES", 2);
        Slots<u8, 10>& map = c.joystick == 1 ? gs.joy1ButtonMap : gs.joy2ButtonMap;
        Slots<u8, 10>& other = c.joystick == 1 ? gs.joy2ButtonMap : gs.joy1ButtonMap;
        for (u8 k = 1; k <= 10; ++k) map[k] = other[k] = k;
        map[c.holder] = c.before;
        if (c.holder != c.before) map[c.before] = c.holder;
        (c.joystick == 1 ? gs.joy1Row : gs.joy2Row) = c.row;
        InputSnapshot& now = c.joystick == 1 ? gs.joy1Input : gs.joy2Input;
        now.buttons[c.button] = 1;
        optionsMenu();
        EXPECT_EQ(map[c.row], c.button);
        for (u8 k = 1; k <= 10; ++k) {
            if (k != c.row) {
                EXPECT_NE(map[k], c.button) << "row " << int(k);
            }
            EXPECT_EQ(other[k], k) << "the other joystick keeps its map";
        }
        const auto held = map;
        optionsMenu();
        EXPECT_EQ(map.items, held.items) << "only a newly pressed button assigns";
    }
}

TEST(OptionsMenu, JoystickRowsWrapAroundTheEightButtons) {
    struct Case {
        int joystick;
        u8 from;
        bool down;
        u8 to;
    } cases[] = {{1, 1, false, 8}, {1, 8, true, 1}, {1, 4, true, 5},
                 {2, 1, false, 8}, {2, 8, true, 1}, {2, 6, false, 5}};
    for (const Case& c : cases) {
        openOn("CONFIGURAR-CONTROLES", 2);
        u8& row = c.joystick == 1 ? gs.joy1Row : gs.joy2Row;
        u8& otherRow = c.joystick == 1 ? gs.joy2Row : gs.joy1Row;
        row = c.from;
        otherRow = 3;
        InputSnapshot& now = c.joystick == 1 ? gs.joy1Input : gs.joy2Input;
        (c.down ? now.down : now.up) = 1;
        optionsMenu();
        EXPECT_EQ(row, c.to) << "joystick " << c.joystick << " from " << int(c.from);
        EXPECT_EQ(otherRow, 3);
    }
}

namespace {

constexpr u32 iconBase = 1000, fontName = 9001;

// Gives every "ICONE" picture the texture name iconBase + n and both fonts fontName.
struct IconRecording {
    RecordingGfx rec;
    std::vector<u32> savedIcons;
    u32 savedFont1, savedFont2;

    IconRecording() {
        std::vector<u32>& names = textureSet(PictureSet::Icon).names;
        savedIcons = names;
        names.assign(100, 0);
        for (u32 n = 1; n < 100; ++n) names[n] = iconBase + n;
        savedFont1 = font1Texture;
        savedFont2 = font2Texture;
        font1Texture = font2Texture = fontName;
        useGfx(rec);
    }
    ~IconRecording() {
        useGfx(nullGfx());
        textureSet(PictureSet::Icon).names = savedIcons;
        font1Texture = savedFont1;
        font2Texture = savedFont2;
    }

    // The texture and left x of every quad drawn.
    std::vector<std::pair<u32, double>> quads() const {
        std::vector<std::pair<u32, double>> out;
        u32 texture = 0;
        std::vector<double> xs;
        for (const GfxCall& c : rec.calls) {
            if (c.name == "bindTexture") texture = static_cast<u32>(c.a[0]);
            if (c.name == "disable" && c.a[0] == GL::TEXTURE_2D) texture = 0;
            if (c.name == "vertex") xs.push_back(c.a[0]);
            if (c.name == "end") {
                if (xs.size() == 4)
                    out.emplace_back(texture, *std::min_element(xs.begin(), xs.end()));
                xs.clear();
            }
        }
        return out;
    }
};

} // namespace

TEST(MoveList, MotionsAreDrawnAsIconsOneStepApart) {
    constexpr double step = 0.18;
    // Left edges from x: glyph g of "(NO AR)" (0.09 wide from x - 0.08), or an icon
    // (0.15 wide) centred k steps on.
    auto glyph = [](int g) { return -0.08 + 0.09 * g; };
    auto icon = [](double k) { return step * k - 0.075; };
    struct Case {
        const char* motion;
        std::vector<u32> textures;
        std::vector<double> lefts;
    } cases[] = {
        {"A214S",
         {fontName, fontName, fontName, fontName, fontName, fontName, iconBase + 32, iconBase + 33,
          iconBase + 34, iconBase + 53},
         {glyph(0), glyph(1), glyph(2), glyph(4), glyph(5), glyph(6), icon(3.5), icon(4.5),
          icon(5.5), icon(6.5)}},
        {"8963214",
         {1028, 1029, 1030, 1031, 1032, 1033, 1034},
         {icon(0), icon(1), icon(2), icon(3), icon(4), icon(5), icon(6)}},
        {"7C5S", {1035, 1054, 1053}, {icon(0), icon(1), icon(3)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.motion);
        freshGame();
        IconRecording r;
        const double x = 0.7;
        drawMotion(c.motion, x, -1, step);
        const auto quads = r.quads();
        ASSERT_EQ(quads.size(), c.textures.size());
        for (std::size_t i = 0; i < quads.size(); ++i) {
            EXPECT_EQ(quads[i].first, c.textures[i]) << "quad " << i;
            EXPECT_NEAR(quads[i].second, x + c.lefts[i], 1e-9) << "quad " << i;
        }
    }
}

TEST(MoveList, BothFightersListsAreDrawnAndBackReturnsToTheMenu) {
    openOn("LISTA-GOLPES", 2);
    IconRecording r;
    optionsMenu();
    const auto quads = r.quads();
    std::size_t punches = 0;
    for (const auto& q : quads) punches += q.first == iconBase + 53 ? 1 : 0;
    std::size_t expected = 0;
    for (int i = 1; i <= 2; ++i)
        for (std::size_t m = 1; m <= 7; ++m)
            expected += static_cast<std::size_t>(
                std::count(gs.fighter(i).moveMotions[m].view().begin(),
                           gs.fighter(i).moveMotions[m].view().end(), 'S'));
    EXPECT_GT(expected, 0u);
    EXPECT_EQ(punches, expected) << "every punch of both lists";
    EXPECT_EQ(gs.optionsScreen, "LISTA-GOLPES");
    tickPressing(Press::Confirm);
    EXPECT_EQ(gs.optionsScreen, "LISTA-GOLPES") << "only back leaves";
}

TEST(OptionsMenu, TheSaveQuestionWritesConfigDatOnYesOnly) {
    struct Case {
        u8 row;
        Press press;
        bool writes;
    } cases[] = {{1, Press::Confirm, true}, {2, Press::Confirm, false}, {1, Press::Back, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row));
        ScratchDir dir("options-save");
        openOn("SALVAR-CONFIGURACOES", c.row);
        gs.musicVolume = -700;
        gs.joy1ButtonMap[2] = 9;
        tickPressing(c.press);
        EXPECT_EQ(gs.optionsScreen, "OPCOES-JOGO-2");
        EXPECT_EQ(gs.menuCursor, 7);
        EXPECT_EQ(gs.inputLock, 5);
        ASSERT_EQ(std::filesystem::exists("Config.dat"), c.writes);
        if (!c.writes) continue;
        std::ifstream in("Config.dat", std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(bytes.str(), configText());
    }
}

TEST(OptionsMenu, TheSaveQuestionOfTheTitleConfigurationLeavesForTheTitleMenu) {
    ScratchDir dir("options-save-title");
    openOn("SALVAR-CONFIGURACOES", 2);
    gs.sceneName = "CONFIGURACOES";
    gs.pauseMenuOpen = 0;
    tickPressing(Press::Confirm);
    EXPECT_EQ(gs.nextScene, "OPCOES") << "under the curtain";
    EXPECT_DOUBLE_EQ(gs.transitionTimer(), 30);
    EXPECT_EQ(gs.optionsScreen, "OPCOES-ABERTURA") << "the list shows while it closes";
    EXPECT_EQ(gs.soundRequest, 20);
    EXPECT_FALSE(std::filesystem::exists("Config.dat"));
}

// A player's joystick that goes missing in a battle opens the pause, which "CONTINUAR"
// cannot close until the joystick is back or the player takes another device.
TEST(LostController, HoldsThePauseUntilTheJoystickIsBackOrReplaced) {
    freshBattle();
    runMode.pace = false;
    gs.fighter(2).isHuman = 0;
    gs.controlMode = 2; // player 1 on joystick 1
    joyUseVirtual(true);
    joyVirtualUnplugAll();
    joyVirtualPlug(0);
    auto tick = [] {
        DXTimer1Timer();
        gs.menuInput = gs.menuInputPrev = {};
    };
    for (int t = 0; t < 3; ++t) tick();
    EXPECT_EQ(gs.joyPresent[1], 1);
    EXPECT_EQ(gs.controllerLost, 0);

    joyVirtualUnplug(0);
    tick();
    EXPECT_EQ(gs.controllerLost, 1);
    EXPECT_EQ(gs.pauseMenuOpen, 1);
    EXPECT_EQ(gs.optionsScreen, "OPCOES-JOGO-1");
    gs.inputLock = 0;
    gs.menuCursor = 1;
    tickPressing(Press::Confirm);
    EXPECT_EQ(gs.pauseMenuOpen, 1) << "CONTINUAR waits for the joystick";
    EXPECT_EQ(gs.optionsScreen, "OPCOES-JOGO-1") << "and the menu stays on screen";

    // The player takes the keyboard: the fight may go on.
    gs.controlMode = 1;
    tick();
    EXPECT_EQ(gs.controllerLost, 0);
    gs.inputLock = 0;
    gs.optionsScreen = "OPCOES-JOGO-1";
    gs.menuCursor = 1;
    tickPressing(Press::Confirm);
    EXPECT_EQ(gs.pauseMenuOpen, 0);

    // The computer's joystick, or one nobody uses, holds nothing.
    joyVirtualPlug(1);
    gs.joy2Status = 0;
    tick();
    joyVirtualUnplug(1);
    tick();
    EXPECT_EQ(gs.controllerLost, 0);
    EXPECT_EQ(gs.pauseMenuOpen, 0);
    joyUseVirtual(false);
}
