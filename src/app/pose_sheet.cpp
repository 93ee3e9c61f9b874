#include "app/pose_sheet.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/startup.h"
#include "assets/pose_files.h"
#include "assets/startup_assets.h"
#include "fight/fighter_setup.h"
#include "fight/fighter_update.h"
#include "platform/canvas.h"
#include "platform/gfx.h"
#include "platform/png_writer.h"
#include "platform/window.h"
#include "render/fighter_renderer.h"
#include "render/sprites.h"
#include "shell/game_state.h"
#include "shell/rosters.h"

namespace {

constexpr int cellWidth = 160, cellHeight = 240, columns = 8, rows = 3;
constexpr int pageWidth = cellWidth * columns, pageHeight = cellHeight * rows;

// The drawn pose of a fighter from pose n of the table: root in world units.
void showPose(personagem& f, int n) {
    f.curPose = poseTable[static_cast<std::size_t>(n)];
    for (f64& r : f.curPose.root) r /= 200;
}

void lightTheSheet() {
    const float position[4] = {2, 6, 8, 1};
    gfx().enable(GL::LIGHT0);
    gfx().lightfv(GL::LIGHT0, GL::POSITION, position);
    gs.fighterAmbient = {1.6f, 1.6f, 1.6f, 1};
    gs.fighterDiffuse = {0.9f, 0.9f, 0.9f, 1};
}

void placeCamera(int cell) {
    const int col = cell % columns, row = cell / columns;
    gfx().viewport(col * cellWidth, pageHeight - (row + 1) * cellHeight, cellWidth, cellHeight);
    gfx().matrixMode(GL::PROJECTION);
    gfx().loadIdentity();
    const double aspect = static_cast<double>(cellWidth) / cellHeight;
    gfx().frustum(-0.1 * aspect, 0.1 * aspect, -0.1, 0.1, 0.15, 50);
    gfx().matrixMode(GL::MODELVIEW);
    gfx().loadIdentity();
    gfx().translated(0, -1.45, -3.9);
    lightTheSheet();
    drawLine({90, 90, 90}, 255, -1.2, 0, 0, 1.2, 0, 0);
    gfx().enable(GL::DEPTH_TEST);
}

void drawFigure(int cell, int fighter, const std::string& label) {
    placeCamera(cell);
    const personagem& f = gs.fighter(fighter);
    drawFighter(fighter, {255, 255, 255}, 1, 0, 60, 0, f.curPose.root[2], f.curPose.root[1],
                f.curPose.root[0]);
    canvasText((cell % columns) * cellWidth + 4, (cell / columns) * cellHeight + 4, label,
               {255, 255, 255});
}

void drawCell(int cell, int fighter, int pose) {
    showPose(gs.fighter(fighter), pose);
    drawFigure(cell, fighter, std::to_string(pose) + (fighter == 1 ? " TORVEL" : " BRANDOLIM"));
}

// The window, textures and body-part models, and both characters registered.
bool prepare(std::string& error) {
    windowSetSize(pageWidth, pageHeight);
    windowCreateGameContext();
    GLInit();
    loadStartupPictureSets(pageWidth);
    loadFighterModels(pageWidth);
    if (gs.sceneName == "ERRO") {
        error = std::string(gs.errorLine1.view());
        return false;
    }
    gs.outlinesOn = 1;
    canvasSetBrushHollow();
    for (int i = 1; i <= 2; ++i) {
        gs.fighter(i).blackParts = 1;
        registerFighter(i, static_cast<u8>(i), fighterRoster);
        gs.fighter(i).facing = "DIR";
    }
    return true;
}

// Draws pages of cells; each page is captured and stacked into one picture.
template <class DrawPage>
bool writePages(const std::string& path, int pages, DrawPage drawPage, std::string& error) {
    std::vector<std::uint8_t> sheet(static_cast<std::size_t>(pageWidth) * pageHeight * pages * 3);
    std::vector<std::uint8_t> page;
    for (int p = 0; p < pages; ++p) {
        canvasClear();
        gfx().clearColor(0.16f, 0.2f, 0.26f, 0);
        gfx().clear(GL::COLOR_BUFFER_BIT | GL::DEPTH_BUFFER_BIT);
        drawPage(p);
        int w = 0, h = 0;
        windowPresent(&page, &w, &h);
        if (w != pageWidth || h != pageHeight) {
            error = "the window could not take the page size";
            return false;
        }
        std::copy(page.begin(), page.end(),
                  sheet.begin() + static_cast<std::ptrdiff_t>(page.size()) * p);
    }
    return writePng(path, pageWidth, pageHeight * pages, sheet, error);
}

// A frame of a played animation: the figure turned as the update turned it, its height
// above the floor written under the label.
void drawPlayedFigure(int cell, int fighter, const std::string& label) {
    placeCamera(cell);
    const personagem& f = gs.fighter(fighter);
    drawFighter(fighter, {255, 255, 255}, 1, f.rotZ, 60, f.rotX, f.curPose.root[2],
                f.curPose.root[1], f.curPose.root[0]);
    const int x = (cell % columns) * cellWidth + 4, y = (cell / columns) * cellHeight + 4;
    canvasText(x, y, label, {255, 255, 255});
    if (f.posY > 0) {
        char height[32];
        std::snprintf(height, sizeof height, "Y %.2f", f.posY);
        canvasText(x, y + 16, height, {255, 255, 160});
    }
}

} // namespace

bool writePoseSheet(const std::string& path, int first, int last, std::string& error) {
    first = std::max(first, 1);
    last = std::min(last, poseCount);
    if (first > last) {
        error = "no poses in that range";
        return false;
    }
    if (!prepare(error)) return false;
    const int perPage = columns * rows / 2;
    const int pages = (last - first + 1 + perPage - 1) / perPage;
    return writePages(
        path, pages,
        [&](int p) {
            for (int k = 0; k < perPage; ++k) {
                const int pose = first + p * perPage + k;
                if (pose > last) break;
                drawCell(2 * k, 1, pose);
                drawCell(2 * k + 1, 2, pose);
            }
        },
        error);
}

bool writeAnimationStrip(const std::string& path, const std::string& anim, int character,
                         std::string& error) {
    if (character != 1 && character != 2) {
        error = "the character is 1 or 2";
        return false;
    }
    if (!prepare(error)) return false;
    personagem& f = gs.fighter(character);
    // The opponent stands well ahead, out of reach; the first tick plays frame 0.
    gs.opponent(character).posX = f.posX + 10;
    f.anim = anim;
    f.frame = -1;
    f.frameCount = 0;
    if (anim == "PULAR") {
        f.airborne = 1;
        f.jumpVelY = 0.85;
    }
    if (anim == "QUEDA-1") {
        f.airborne = 1;
        f.jumpVelY = 0.5;
    }
    constexpr int maxFrames = 48;
    const int perPage = columns * rows;
    return writePages(
        path, (maxFrames + perPage - 1) / perPage,
        [&](int p) {
            for (int k = 0; k < perPage; ++k) {
                const int frame = p * perPage + k;
                if (f.frameCount > 0 && frame > f.frameCount) break;
                updateFighter(character);
                drawPlayedFigure(k, character, anim + " " + std::to_string(frame));
            }
        },
        error);
}

int writePoseTool(const CommandLine& options) {
    formCreate(options.seed);
    std::string error;
    const bool ok =
        options.poseSheetPath.empty()
            ? writeAnimationStrip(options.animStripPath, options.animName, options.animCharacter,
                                  error)
            : writePoseSheet(options.poseSheetPath, options.posesFirst, options.posesLast, error);
    if (!ok) std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
    return ok ? 0 : 1;
}
