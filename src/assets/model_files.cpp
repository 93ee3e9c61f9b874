#include "assets/model_files.h"

#include <cmath>

#include "assets/data_lines.h"
#include "assets/textures.h"
#include "platform/canvas.h"
#include "platform/game_folders.h"
#include "platform/gfx.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/scene_change.h"

Slots<Model, arenaModelCount> arenaModels;
Slots<Model, partModelCount> partModels;
Slots<u32, arenaModelCount> arenaLists;
Slots<u32, partModelCount> partLists;

namespace {

void reportMalformed(const std::string& upperName, const DataLines& lines, const std::string& why) {
    gs.errorLine1 =
        "ARQUIVO  " + upperName + "  INCORRETO - LINHA " + std::to_string(lines.lineNumber());
    gs.errorLine2 = why;
    gs.errorLine3 = "* O ARQUIVO PODE TER SIDO MODIFICADO.";
    gs.errorLine4 = "";
    raiseErrorScene();
}

// The normal of a quad from three of its corners, issued in single precision.
void faceNormal(const ModelVertex& p0, const ModelVertex& p1, const ModelVertex& p2) {
    const f64 ax = p0.x - p1.x, ay = p0.y - p1.y, az = p0.z - p1.z;
    const f64 bx = p1.x - p2.x, by = p1.y - p2.y, bz = p1.z - p2.z;
    f64 nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
    f64 len = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (len == 0) len = 1;
    gfx().normal3d(static_cast<float>(nx / len), static_cast<float>(ny / len),
                   static_cast<float>(nz / len));
}

// Each face is a quad with its texture and normal. Consecutive faces on the same texture
// share one bind and one quad batch: GL draws exactly the same, with far fewer state
// changes for the software renderers.
template <std::size_t N>
void compileFamily(Slots<Model, N>& models, Slots<u32, N>& lists, PictureSet textures,
                   int normalCorner0, int normalCorner1, int normalCorner2) {
    for (std::size_t n = 1; n <= N; ++n) {
        const Model& m = models[n];
        // Compiled again (another arena, a replay): the list it replaces goes first.
        if (lists[n] != 0) gfx().deleteLists(lists[n], 1);
        lists[n] = gfx().genLists(1);
        gfx().newList(lists[n]);
        bool open = false;
        u32 bound = 0;
        for (std::size_t i = 1; i <= m.faceCount; ++i) {
            const u32 texture = textureName(textures, m.faceTexture[i]);
            if (!open || texture != bound) {
                if (open) gfx().end();
                gfx().bindTexture(texture);
                gfx().begin(GL::QUADS);
                open = true;
                bound = texture;
            }
            faceNormal(m.corner[normalCorner0][i], m.corner[normalCorner1][i],
                       m.corner[normalCorner2][i]);
            for (std::size_t c = 1; c <= 4; ++c) {
                const ModelVertex& v = m.corner[c][i];
                gfx().texCoord2d(static_cast<float>(v.u), static_cast<float>(v.v));
                gfx().vertex3d(v.x, v.y, v.z);
            }
        }
        if (open) gfx().end();
        gfx().endList();
    }
}

ReadResult readModelLines(ModelFamily family, int number, DataLines& lines) {
    const std::string upperName = upperCase(modelFileName(family, number));
    Model m;
    std::int64_t id = 0, count = 0, value = 0;
    auto malformed = [&] {
        reportMalformed(upperName, lines, malformedLineText(lines.problem(), lines.lineNumber()));
        return ReadResult::Malformed;
    };
    if (!lines.readInt(id) || !lines.readInt(count)) return malformed();
    if (count < 0 || count > maxModelFaces) {
        reportMalformed(upperName, lines,
                        "* A LINHA 2 PEDE " + std::to_string(count) + " FACES; O MÁXIMO É 230.");
        return ReadResult::Malformed;
    }
    m.faceCount = static_cast<u8>(count);
    for (std::size_t i = 1; i <= m.faceCount; ++i) {
        if (!lines.readInt(value)) return malformed();
        m.faceTexture[i] = static_cast<u8>(value);
        for (std::size_t c = 1; c <= 4; ++c) {
            ModelVertex& v = m.corner[c][i];
            if (!lines.readReal(v.x) || !lines.readReal(v.y) || !lines.readReal(v.z))
                return malformed();
        }
        for (std::size_t c = 1; c <= 4; ++c) {
            ModelVertex& v = m.corner[c][i];
            if (!lines.readReal(v.u) || !lines.readReal(v.v)) return malformed();
        }
    }
    std::int64_t addend = 0;
    f64 checkValue = 0;
    if (!lines.readInt(addend) || !lines.readReal(checkValue)) return malformed();

    const auto storedId = static_cast<std::int16_t>(id);
    const f64 sum = modelCheckValue(storedId, m, static_cast<i32>(addend));
    if (storedId != number) {
        gs.errorLine1 = "ARQUIVO  " + upperName + "  INCORRETO - ID INCORRETO";
        gs.errorLine2 = "* O ARQUIVO PODE TER SIDO MODIFICADO.";
        raiseErrorScene();
    }
    if (checkValue != sum) {
        gs.errorLine1 = "ARQUIVO  " + upperName + "  INCORRETO";
        gs.errorLine2 = "* O ARQUIVO PODE TER SIDO MODIFICADO.";
        raiseErrorScene();
    }
    if (family == ModelFamily::Arena)
        arenaModels[static_cast<std::size_t>(number)] = m;
    else
        partModels[static_cast<std::size_t>(number)] = m;
    return ReadResult::Read;
}

} // namespace

std::string modelFileName(ModelFamily family, int number) {
    return family == ModelFamily::Arena
               ? "Cenarios/Cenario-" + zeroPadded(number, 3) + ".cgo"
               : "Personagens/Personagem-" + zeroPadded(number, 3) + ".cgo";
}

ReadResult readModelFile(ModelFamily family, int number) {
    const int slots = family == ModelFamily::Arena ? arenaModelCount : partModelCount;
    if (number < 1 || number > slots) return ReadResult::Missing;
    const std::string name = modelFileName(family, number);
    const std::string path = dataPath(name);
    DataLines file;
    if (!fileExists(path) || !file.open(path)) {
        reportMissingFile(upperCase(name));
        return ReadResult::Missing;
    }
    return readModelLines(family, number, file);
}

ReadResult readModelText(ModelFamily family, int number, std::string text) {
    const int slots = family == ModelFamily::Arena ? arenaModelCount : partModelCount;
    if (number < 1 || number > slots) return ReadResult::Missing;
    DataLines lines;
    lines.setText(std::move(text));
    return readModelLines(family, number, lines);
}

namespace {

// Reads a range; false when a malformed file stopped it.
bool readRange(ModelFamily family, int first, int last) {
    for (int n = first; n <= last; ++n)
        if (readModelFile(family, n) == ReadResult::Malformed) return false;
    return true;
}

} // namespace

void loadArenaModels(int first, int last) {
    if (gs.readArenaFiles != 1 || gs.sceneName == "ERRO") return;
    if (!readRange(ModelFamily::Arena, first, last) || gs.sceneName == "ERRO") return;
    compileFamily(arenaModels, arenaLists, PictureSet::Arena, 1, 2, 3);
}

void loadPartModels(int first, int last, int cx, int cy) {
    const CanvasColor white{255, 255, 255};
    canvasText(cx, cy + 160, "PERSONAGENS", white);
    windowRefreshSometimes();
    if (gs.readPartFiles != 1 || gs.sceneName == "ERRO") return;
    const bool complete = readRange(ModelFamily::Part, first, last);
    canvasText(cx, cy + 160, "PERSONAGENS(" + std::to_string(last + 1) + ")", white);
    windowRefreshSometimes();
    if (!complete || gs.sceneName == "ERRO") return;
    compileFamily(partModels, partLists, PictureSet::Fighter, 4, 1, 2);
}
