#include "app/startup.h"

#include <cmath>
#include <string>

#include "assets/config_file.h"
#include "assets/music_files.h"
#include "assets/pose_files.h"
#include "assets/sound_files.h"
#include "assets/startup_assets.h"
#include "fight/fighter_setup.h"
#include "platform/audio.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/gfx.h"
#include "platform/resources.h"
#include "platform/window.h"
#include "render/arena_setup.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/rng.h"
#include "shell/rosters.h"
#include "shell/scene_change.h"

namespace {

constexpr CanvasColor white{255, 255, 255};

struct DisplaySize {
    int width, height;
};
constexpr DisplaySize displaySizes[] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};

int digitOf(u8 key, int first, int last) {
    int d = key - '0';
    return (d >= first && d <= last) ? d : 0;
}

void caption(int x, int y, const char* text) {
    canvasText(x, y, text, white);
    windowRefresh();
}

// The 404 x 247 picture shown while the game loads (RGB, top row first).
void drawProcessingPicture(int x, int y) {
    ResourceView r = findResource("PROCESSANDO", "RGB");
    if (r && r.size >= 404u * 247u * 3u) canvasBitmap(x, y, 404, 247, r.data);
}

} // namespace

void formCreate(std::optional<u32> seed) {
    gs.versionText = std::string("VERSÃO ") + gameVersion;
    gs.versionDate = "09/DEZ/2006";
    seedRandom(seed ? *seed : static_cast<u32>(wallClockMs()));

    for (u8& s : gs.pictureSetSwitches) s = 1;
    canvasSetWindowColor({0, 0, 0});
    windowSetSize(600, 450);

    gs.readArenaFiles = 1;
    gs.readPartFiles = 1;
    gs.soundSwitch = 1;
    gs.hudVisible = 1;
    gs.shadowsOn = 1;
    gs.hudHide = 0;

    gs.difficulty = 0;
    gs.roundTimeSetting = 2;
    gs.roundsSetting = 2;
    gs.damageLevel = 3;
    gs.controlMode = 1;
    gs.musicVolume = -1000;
    gs.soundVolume = -1000;
    gs.thirdVolume = -1000;
    gs.flashOn = 1;
    gs.showCredits = 1;
    gs.outlinesOn = 1;
    for (u8 k = 1; k <= 10; ++k) {
        gs.joy1ButtonMap[k] = k;
        gs.joy2ButtonMap[k] = k;
    }
    setDefaultKeyBindings();
    loadConfig();

    gs.arena = 0;
    gs.lightingVariant = 1;
    gs.roundNumber = 1;
    gs.roundTime = 99;
    gs.roundTimeF = 99.0;
    gs.frameDelayExtra = 0;
    gs.optionsScreen = "";
    gs.itemTimer = static_cast<u16>(500 + 50 * random(5));

    switchScene("DEBUG-PERSONAGEM");
    gs.gravity = 0.1;
    gs.credits = 5;

    loadPoses();

    gs.arenaModelsLoaded[1] = 0;
    gs.arenaModelsLoaded[2] = 0;
    gs.musicIndex = 1;
    gs.musicStartRequest = 1;

    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        f.isHuman = 1;
        f.blackParts = i == 1 ? 1 : 0;
        f.anim = "PARADO";
        f.posX = i == 1 ? middle - 2 : middle + 2;
        f.posY = 0;
        f.posZ = 3.5;
        f.winStreak = 0;
        f.damageScale = 1.0;
        f.selectColumn = i == 1 ? 2 : 3;
        f.selectRow = 1;
    }
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
    }
}

void GLInit() {
    gfx().matrixMode(GL::PROJECTION);
    gfx().loadIdentity();
    gfx().frustum(-0.1, 0.1, -0.1, 0.1, 0.15, 50);
    gfx().matrixMode(GL::MODELVIEW);
    gfx().enable(GL::DEPTH_TEST);
    gfx().color4f(0, 0, 0, 0.1f);
    gfx().blendFunc(GL::SRC_ALPHA, GL::ONE_MINUS_SRC_ALPHA);
}

bool startupChoice(u8 key) {
    if (gs.sceneName == "DEBUG-PERSONAGEM") {
        if (int c = digitOf(key, 1, 2)) {
            int player = gs.fighter(1).character == 0 ? 1 : gs.fighter(2).character == 0 ? 2 : 0;
            if (player != 0) registerFighter(player, static_cast<u8>(c), fighterRoster);
            if (gs.fighter(1).character != 0 && gs.fighter(2).character != 0) {
                switchScene("DEBUG-CENARIO");
                return true;
            }
        }
        return false;
    }
    if (gs.sceneName == "DEBUG-CENARIO") {
        gs.arena = static_cast<u8>(digitOf(key, 1, 2));
        if (gs.arena == 0) return false;
        arenaSetup(gs.arena);
        switchScene("DEBUG-MODO");
        return true;
    }
    if (gs.sceneName == "DEBUG-MODO") {
        const int m = digitOf(key, 1, trainingMode);
        if (m == 0) return false;
        chooseGameMode(m);
        switchScene("DEBUG-DIFICULDADE");
        return true;
    }
    if (gs.sceneName == "DEBUG-DIFICULDADE") {
        int d = digitOf(key, 1, 5);
        if (d == 0) return false;
        gs.difficulty = static_cast<u8>(d);
        switchScene("DEBUG-RESOLUCAO");
        return true;
    }
    if (gs.sceneName == "DEBUG-RESOLUCAO") {
        gs.resolutionChoice = static_cast<u8>(digitOf(key, 1, 4));
        if (gs.resolutionChoice == 0) return false;
        setUpDisplay(gs.resolutionChoice);
        return true;
    }
    return false;
}

std::int64_t lastLoadingMicros = 0;

void startOnTitle(u8 resolution) {
    gs.resolutionChoice = resolution;
    setUpDisplay(resolution, true);
}

void setUpDisplay(u8 resolution, bool title) {
    const std::int64_t start = monotonicMicros();
    const DisplaySize size = displaySizes[resolution - 1];
    const int w = size.width, half = w / 2;

    windowSetSize(w, w);
    windowCenter();

    // Filling the window leaves the brush solid in its colour, so each progress caption
    // covers the one before it at the same place.
    canvasSetWindowColor({30, 60, 90});
    canvasSetBrush({30, 60, 90});
    drawProcessingPicture(half - 202, half - 180);
    windowRefresh();

    windowCreateGameContext();
    GLInit();

    caption(half - 270, half + 80, "TEXTURAS ...");
    loadStartupPictureSets(w);

    caption(half - 270, half + 160, "OBJETOS 3D ...");
    loadFighterModels(w);

    caption(half - 270, half + 200, "SONS ...");
    if (!(gs.sceneName == "ERRO")) loadSounds(w, size.height);

    caption(half - 270, half + 240, "MÚSICAS ...");
    if (!(gs.sceneName == "ERRO")) loadMusic(w, size.height);
    audioOpenDevice();

    windowSetSize(w, size.height);
    if (!(gs.sceneName == "ERRO")) {
        switchScene(title ? "OPCOES" : "VS-APRESENTACAO");
        if (!title) gs.versusTimer = 150;
    }
    windowCenter();
    lastLoadingMicros = monotonicMicros() - start;
}
