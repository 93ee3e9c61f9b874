#include "app/frame.h"

#include <algorithm>
#include <string>

#include "app/scene_dispatch.h"
#include "app/scene_music.h"
#include "app/screenshot_notice.h"
#include "assets/music_files.h"
#include "platform/audio.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/gfx.h"
#include "platform/window.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/presentation.h"

FrameControl frameControl;

namespace {

bool musicInRange() {
    return gs.musicIndex != 0 && waveCount(WaveList::Music) > gs.musicIndex;
}

// The pause (the PAUSE key or the battle's options) halves the music.
bool musicHalved() {
    return gs.sceneName == "BATALHA" && (gs.paused != 0 || gs.pauseMenuOpen != 0);
}

void playMusic() {
    musicStart(gs.musicIndex, pieceLoops(gs.musicIndex), gs.musicVolume, musicHalved());
}

// What is heard follows the state on every shown frame: the piece asked for (started
// here when an unshown tick served its request), none when none is asked for, and the
// volume as the screen sets it. Nothing here draws from the game's generator.
void keepMusicUp() {
    const int wanted = musicInRange() ? gs.musicIndex : 0;
    if (musicCurrent() != wanted) {
        if (wanted == 0)
            musicFadeOut();
        else if (gs.musicStartRequest == 0)
            playMusic();
    }
    musicSetVolume(gs.musicVolume, musicHalved());
}

// A request is served on every tick; only a shown tick starts the sound.
void serveSound() {
    if (gs.soundRequest != 0 && waveCount(WaveList::Sounds) > gs.soundRequest) {
        if (presenting() && !runMode.silent) {
            waveSetVolume(WaveList::Sounds, gs.soundRequest, gs.soundVolume);
            wavePlay(WaveList::Sounds, gs.soundRequest);
        }
        gs.soundRequest = 0;
    }
}

// The music's start request is served on every tick, shown or not; only a shown tick
// starts the piece.
void serveMusic() {
    if (musicInRange() && gs.musicStartRequest == 1) {
        if (presenting() && !runMode.silent) playMusic();
        gs.musicStartRequest = 0;
    }
    if (presenting() && !runMode.silent) keepMusicUp();
}

bool creditLineShown() {
    if (gs.hudVisible == 0 || gs.showCredits == 0) return false;
    for (const char* s : {"VS-SELECAO-JOG", "SELECAO-LUTADOR", "SELECAO-CENARIO", "ERRO"})
        if (gs.sceneName == s) return false;
    return true;
}

void drawCreditLine() {
    const std::string text = "CREDITOS 0" + std::to_string(gs.credits);
    drawText(text, "CENTRO", "", 0.01, -3.18, -5.0, 1.5, 1.5, {0, 0, 80}, 150, 0.0);
    drawText(text, "CENTRO", "", 0.0, -3.17, -5.0, 1.5, 1.5, {255, 255, 255}, 255, 0.0);
}

void drawErrorText() {
    const CanvasColor white{255, 255, 255};
    canvasSetBrush({0, 0, 0});
    canvasText(10, 10, "* ERRO *", white);
    canvasText(10, 25, gs.errorLine1.view(), white);
    canvasText(10, 50, gs.errorLine2.view(), white);
    canvasText(10, 65, gs.errorLine3.view(), white);
    canvasText(10, 80, gs.errorLine4.view(), white);
    canvasText(10, 150, "APERTE ESC PARA SAIR .", white);
}

// The GL state every scene starts from.
void startPicture() {
    gfx().clear(GL::COLOR_BUFFER_BIT | GL::DEPTH_BUFFER_BIT);
    if (gs.sceneName == "ERRO")
        gfx().clearColor(0, 0, 0, 0);
    else
        gfx().clearColor(gs.clearColor.r / 255.0f, gs.clearColor.g / 255.0f,
                         gs.clearColor.b / 255.0f, 0);
    gfx().enable(GL::TEXTURE_2D);
    gfx().enable(GL::DEPTH_TEST);
    gfx().enable(GL::LIGHTING);
    gfx().enable(GL::ALPHA_TEST);
    gfx().disable(GL::BLEND);
    gfx().alphaFunc(GL::GREATER, 0.2f);
}

// The overlay of the shown frame, its pacing and the swap.
void finishPicture(std::int64_t startMs) {
    gfx().disable(GL::DEPTH_TEST);
    gfx().alphaFunc(GL::GREATER, 0.2f);

    if (creditLineShown()) drawCreditLine();
    if (frameControl.overlay) frameControl.overlay();
    drawScreenshotNotice();

    if (runMode.pace) {
        const std::int64_t waitStart = monotonicMicros();
        waitUntilWallClockMs(frameEndTimeMs(startMs, gs.frameDelayExtra));
        frameControl.lastWaitMicros = monotonicMicros() - waitStart;
    }

    const std::int64_t presentStart = monotonicMicros();
    windowPresent(runMode.capture, &frameControl.captureWidth, &frameControl.captureHeight);
    frameControl.lastPresentMicros = monotonicMicros() - presentStart;
}

// While a tick is not shown the window's canvas takes no drawing: the start-up screens
// write to it from their scene handlers.
struct CanvasHold {
    CanvasHold() { canvasHold(!presenting()); }
    ~CanvasHold() { canvasHold(false); }
};

} // namespace

std::int64_t frameEndTimeMs(std::int64_t startMs, int extraMs) {
    const std::int64_t second = startMs - startMs % 1000;
    const std::int64_t ms = startMs % 1000;
    return second + std::min<std::int64_t>(ms + 25 + extraMs, 999);
}

// A tick that is not shown changes the state exactly as a shown one and leaves out the
// frame's output: GL drawing, sound starts, the canvas, the pacing wait and the swap.
void Draw() {
    const std::int64_t startMs = wallClockMs();
    const bool shown = presenting();
    if (shown) startPicture();
    // Every scene builds its matrices from here; the fighters' part boxes are read off them.
    gfx().loadIdentity();

    askForSceneMusic();
    serveSound();
    serveMusic();

    dispatchScene();

    frameControl.lastWaitMicros = 0;
    frameControl.lastPresentMicros = 0;
    if (shown) finishPicture(startMs);
}

void startCurrentMusic() {
    if (musicInRange()) playMusic();
}

void DXTimer1Timer() {
    sampleInput();
    gs.joystickProbeCounter += 1;
    if (gs.joystickProbeCounter == 200) gs.joystickProbeCounter = 0;
    if (gs.joystickProbeCounter == 0) {
        gs.joy1Status = 0;
        gs.joy2Status = 0;
    }
    const CanvasHold hold;
    Draw();
    if (gs.sceneName == "ERRO" && presenting()) drawErrorText();
    latchPreviousInput();
}
