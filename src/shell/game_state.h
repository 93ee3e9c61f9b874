// The global game state: every variable the game's rules read or write, as plain data.
// Start values are set by formCreate; a field left out there starts at zero.
#pragma once

#include "platform/joystick.h"
#include "shell/arena_records.h"
#include "shell/fighter_record.h"
#include "shell/object_record.h"
#include "shell/plain_data.h"
#include "shell/training_state.h"

struct Rgb {
    u8 r = 0, g = 0, b = 0;
};

// One device's held flags for one tick: up, down, left, right, then buttons 1..10.
struct InputSnapshot {
    u8 up = 0, down = 0, left = 0, right = 0;
    Slots<u8, 10> buttons{};
};

// The OR of the keyboard and both joysticks, for menus.
struct MenuSnapshot {
    u8 up = 0, down = 0, left = 0, right = 0, button1 = 0, button2 = 0;
};

// Keyboard states: 1 up, 2 down, 3 left, 4 right, 5..14 buttons 1..10; up to three
// Windows virtual-key codes each (0 = none).
constexpr int keyStateCount = 14;
using KeyBinding = std::array<u8, 3>;

struct GameState {
    // scene control
    Name sceneName;
    Name nextScene;
    Name optionsScreen;
    u8 menuCursor = 0;
    u8 menuColumn = 0;
    u8 quitRequested = 0;
    Slots<f64, 5> effectTimers{}; // entry 5 is the transition curtain
    f64 gameCycle = 0;
    f64 pauseCycle = 0;
    u8 paused = 0;
    u8 pauseMenuOpen = 0;
    f64 inputLock = 0;
    u8 frameDelayExtra = 0;
    Rgb clearColor;
    Name versionText;
    Name versionDate;
    Line errorLine1, errorLine2, errorLine3, errorLine4;

    // settings
    u8 difficulty = 0;
    u8 roundTimeSetting = 0;
    u8 roundsSetting = 0;
    u8 damageLevel = 0;
    u8 controlMode = 0;
    i32 musicVolume = 0;
    i32 soundVolume = 0;
    i32 thirdVolume = 0;
    u8 outlinesOn = 0, flashOn = 0, showCredits = 0;
    Slots<u8, 10> joy1ButtonMap{}, joy2ButtonMap{};
    Slots<KeyBinding, keyStateCount> keyBindings{};

    // match and presentation
    Name gameMode;
    u8 arena = 0;
    Slots<u8, 2> arenaModelsLoaded{};
    u8 roundNumber = 0;
    std::int8_t roundTime = 0;
    f64 roundTimeF = 0;
    u8 credits = 0;
    u16 itemTimer = 0;
    f64 gravity = 0;
    u8 lightingVariant = 0;
    u8 hudVisible = 0;
    f64 hudHide = 0;
    u8 shadowsOn = 0;
    i32 introTimer = 0, timeOverTimer = 0, knockOutTimer = 0, resultTimer = 0, victoryTimer = 0;
    u8 worldFrozen = 0;
    f64 hitStop = 0;
    u8 firstHitDone = 0;
    // Online play: both sides run the same state, so the after-match menu waits for each
    // player to choose the next match (player 1 in entry 1, player 2 in entry 2).
    u8 onlineSession = 0;
    Slots<u8, 2> rematchReady{};
    TrainingState training;
    f64 cameraX = 0, cameraY = 0, cameraZ = 0;
    f64 cameraTargetX = 0, cameraTargetY = 0, cameraTargetZ = 0;
    u8 cameraHold = 0;
    u8 superOwner = 0;
    f64 cameraLimitX1 = 0, cameraLimitX2 = 0;
    f64 arenaLimitX1 = 0, arenaLimitX2 = 0;
    f64 fighterGap = 0;
    // The scene's light (x, y, z, 1 as set; ambient and diffuse colours with alpha 1).
    std::array<float, 4> lightPosition{}, lightAmbient{}, fighterAmbient{}, lightDiffuse{},
        fighterDiffuse{}, lightSpecular{}, materialSpecular{};
    Slots<personagem, 2> fighters{};
    Slots<objeto, 250> objectPool{};
    Slots<ArenaProp, 50> arenaProps{};
    Slots<ArenaSprite, 50> arenaSprites{};
    Slots<FloorShadow, 10> floorShadows{};

    // start-up
    u8 resolutionChoice = 0;
    i32 versusTimer = 0;
    u8 keyAssignSlot = 0;
    u8 joy1Row = 0, joy2Row = 0;
    // enable switches of the nine picture-set loaders (title art, arena pictures, arena
    // overlays, effects, icons, landscapes, fighter pictures, portraits, fonts)
    Slots<u8, 9> pictureSetSwitches{};
    u8 readArenaFiles = 0, readPartFiles = 0, soundSwitch = 0;

    // sound requests
    u8 soundRequest = 0;
    u8 musicIndex = 0;
    u8 musicStartRequest = 0;

    // input
    InputSnapshot kbInput, joy1Input, joy2Input;
    InputSnapshot kbInputPrev, joy1InputPrev, joy2InputPrev;
    MenuSnapshot menuInput, menuInputPrev;
    JoyInfo joy1Info, joy2Info;
    u32 joy1Status = 0, joy2Status = 0;
    f64 joystickProbeCounter = 0;
    // Whether each joystick answered its last query, and the one (1 or 2) whose loss in
    // a battle holds the pause until it is back or no player uses it (0: none).
    Slots<u8, 2> joyPresent{};
    u8 controllerLost = 0;

    // the one random generator
    u32 rngState = 0;

    f64& transitionTimer() { return effectTimers[5]; }
    f64 transitionTimer() const { return effectTimers[5]; }
    personagem& fighter(int i) { return fighters[static_cast<std::size_t>(i)]; }
    personagem& opponent(int i) { return fighters[static_cast<std::size_t>(3 - i)]; }
};

// The game's one state. Every rule reads and writes it; tests reset it with `gs = {}`.
extern GameState gs;

template <class V> void reflect(V& v, Rgb& c) {
    v("r", c.r);
    v("g", c.g);
    v("b", c.b);
}

template <class V> void reflect(V& v, InputSnapshot& s) {
    v("up", s.up);
    v("down", s.down);
    v("left", s.left);
    v("right", s.right);
    v("buttons", s.buttons);
}

template <class V> void reflect(V& v, MenuSnapshot& s) {
    v("up", s.up);
    v("down", s.down);
    v("left", s.left);
    v("right", s.right);
    v("button1", s.button1);
    v("button2", s.button2);
}

template <class V> void reflect(V& v, JoyInfo& j) {
    v("x", j.x);
    v("y", j.y);
    v("z", j.z);
    v("buttons", j.buttons);
}

// The player's own settings, the configuration's: each visited with its name and a
// pointer to its field. A joiner takes them back after a session played with the host's.
template <class Visit> void eachPlayerSetting(Visit&& visit) {
    visit("difficulty", &GameState::difficulty);
    visit("roundTimeSetting", &GameState::roundTimeSetting);
    visit("roundsSetting", &GameState::roundsSetting);
    visit("damageLevel", &GameState::damageLevel);
    visit("controlMode", &GameState::controlMode);
    visit("musicVolume", &GameState::musicVolume);
    visit("soundVolume", &GameState::soundVolume);
    visit("thirdVolume", &GameState::thirdVolume);
    visit("outlinesOn", &GameState::outlinesOn);
    visit("flashOn", &GameState::flashOn);
    visit("showCredits", &GameState::showCredits);
    visit("joy1ButtonMap", &GameState::joy1ButtonMap);
    visit("joy2ButtonMap", &GameState::joy2ButtonMap);
    visit("keyBindings", &GameState::keyBindings);
}

inline void copyPlayerSettings(GameState& to, const GameState& from) {
    eachPlayerSetting([&](const char*, auto field) { to.*field = from.*field; });
}

// Every field but the fighters and the object pool, which the dump writes as arrays of
// their own.
template <class V> void reflect(V& v, GameState& s) {
    v("sceneName", s.sceneName);
    v("nextScene", s.nextScene);
    v("optionsScreen", s.optionsScreen);
    v("menuCursor", s.menuCursor);
    v("menuColumn", s.menuColumn);
    v("quitRequested", s.quitRequested);
    v("effectTimers", s.effectTimers);
    v("gameCycle", s.gameCycle);
    v("pauseCycle", s.pauseCycle);
    v("paused", s.paused);
    v("pauseMenuOpen", s.pauseMenuOpen);
    v("inputLock", s.inputLock);
    v("frameDelayExtra", s.frameDelayExtra);
    v("clearColor", s.clearColor);
    v("versionText", s.versionText);
    v("versionDate", s.versionDate);
    v("errorLine1", s.errorLine1);
    v("errorLine2", s.errorLine2);
    v("errorLine3", s.errorLine3);
    v("errorLine4", s.errorLine4);
    eachPlayerSetting([&](const char* name, auto field) { v(name, s.*field); });
    v("gameMode", s.gameMode);
    v("arena", s.arena);
    v("arenaModelsLoaded", s.arenaModelsLoaded);
    v("roundNumber", s.roundNumber);
    v("roundTime", s.roundTime);
    v("roundTimeF", s.roundTimeF);
    v("credits", s.credits);
    v("itemTimer", s.itemTimer);
    v("gravity", s.gravity);
    v("lightingVariant", s.lightingVariant);
    v("hudVisible", s.hudVisible);
    v("hudHide", s.hudHide);
    v("shadowsOn", s.shadowsOn);
    v("introTimer", s.introTimer);
    v("timeOverTimer", s.timeOverTimer);
    v("knockOutTimer", s.knockOutTimer);
    v("resultTimer", s.resultTimer);
    v("victoryTimer", s.victoryTimer);
    v("worldFrozen", s.worldFrozen);
    v("hitStop", s.hitStop);
    v("firstHitDone", s.firstHitDone);
    v("onlineSession", s.onlineSession);
    v("rematchReady", s.rematchReady);
    v("training", s.training);
    v("cameraX", s.cameraX);
    v("cameraY", s.cameraY);
    v("cameraZ", s.cameraZ);
    v("cameraTargetX", s.cameraTargetX);
    v("cameraTargetY", s.cameraTargetY);
    v("cameraTargetZ", s.cameraTargetZ);
    v("cameraHold", s.cameraHold);
    v("superOwner", s.superOwner);
    v("cameraLimitX1", s.cameraLimitX1);
    v("cameraLimitX2", s.cameraLimitX2);
    v("arenaLimitX1", s.arenaLimitX1);
    v("arenaLimitX2", s.arenaLimitX2);
    v("fighterGap", s.fighterGap);
    v("lightPosition", s.lightPosition);
    v("lightAmbient", s.lightAmbient);
    v("fighterAmbient", s.fighterAmbient);
    v("lightDiffuse", s.lightDiffuse);
    v("fighterDiffuse", s.fighterDiffuse);
    v("lightSpecular", s.lightSpecular);
    v("materialSpecular", s.materialSpecular);
    v("arenaProps", s.arenaProps);
    v("arenaSprites", s.arenaSprites);
    v("floorShadows", s.floorShadows);
    v("resolutionChoice", s.resolutionChoice);
    v("versusTimer", s.versusTimer);
    v("keyAssignSlot", s.keyAssignSlot);
    v("joy1Row", s.joy1Row);
    v("joy2Row", s.joy2Row);
    v("pictureSetSwitches", s.pictureSetSwitches);
    v("readArenaFiles", s.readArenaFiles);
    v("readPartFiles", s.readPartFiles);
    v("soundSwitch", s.soundSwitch);
    v("soundRequest", s.soundRequest);
    v("musicIndex", s.musicIndex);
    v("musicStartRequest", s.musicStartRequest);
    v("kbInput", s.kbInput);
    v("joy1Input", s.joy1Input);
    v("joy2Input", s.joy2Input);
    v("kbInputPrev", s.kbInputPrev);
    v("joy1InputPrev", s.joy1InputPrev);
    v("joy2InputPrev", s.joy2InputPrev);
    v("menuInput", s.menuInput);
    v("menuInputPrev", s.menuInputPrev);
    v("joy1Info", s.joy1Info);
    v("joy2Info", s.joy2Info);
    v("joy1Status", s.joy1Status);
    v("joy2Status", s.joy2Status);
    v("joystickProbeCounter", s.joystickProbeCounter);
    v("joyPresent", s.joyPresent);
    v("controllerLost", s.controllerLost);
}
