#include "assets/pose_files.h"

#include "assets/data_lines.h"
#include "platform/game_folders.h"
#include "shell/game_state.h"
#include "shell/scene_change.h"

Slots<Pose, poseCount> poseTable;

namespace {

void reportMissing(int number) {
    reportMissingFile(poseErrorName(number));
}

void reportMalformed(int number, int line, const std::string& why) {
    gs.errorLine1 =
        "ARQUIVO  " + poseErrorName(number) + "  INCORRETO - LINHA " + std::to_string(line);
    gs.errorLine2 = why;
    gs.errorLine3 = "* O ARQUIVO PODE TER SIDO MODIFICADO.";
    gs.errorLine4 = "";
    raiseErrorScene();
}

bool readPoseLines(int n, DataLines& lines) {
    Pose& p = poseTable[static_cast<std::size_t>(n)];
    std::int64_t id = 0, count = 0, addend = 0;
    f64 checkValue = 0;
    auto malformed = [&] {
        reportMalformed(n, lines.lineNumber(),
                        malformedLineText(lines.problem(), lines.lineNumber()));
        return false;
    };
    if (!lines.readInt(id) || !lines.readInt(count)) return malformed();
    if (count < 0 || count > 25) {
        reportMalformed(n, 2,
                        "* A LINHA 2 PEDE " + std::to_string(count) + " PARTES; O MÁXIMO É 25.");
        return false;
    }
    for (f64& r : p.root)
        if (!lines.readReal(r)) return malformed();
    for (std::size_t i = 1; i <= static_cast<std::size_t>(count); ++i)
        if (!lines.readReal(p.angleX[i]) || !lines.readReal(p.angleY[i]) ||
            !lines.readReal(p.angleZ[i]))
            return malformed();
    if (!lines.readInt(addend) || !lines.readReal(checkValue)) return malformed();

    const auto storedId = static_cast<u8>(id);
    const f64 sum = poseCheckValue(storedId, static_cast<u8>(count), p, static_cast<i32>(addend));
    if (checkValue != sum) {
        gs.errorLine1 = "ARQUIVO  " + poseErrorName(n) + "  INCORRETO";
        raiseErrorScene();
    }
    if (storedId != n) {
        gs.errorLine1 = "ARQUIVO  " + poseErrorName(n) + "  INCORRETO - ID INCORRETO";
        raiseErrorScene();
    }
    return true;
}

// Reads pose n into the table; false when the file is malformed.
bool readPose(int n) {
    DataLines lines;
    if (!lines.open(dataPath(poseFileName(n)))) {
        reportMissing(n);
        return true;
    }
    return readPoseLines(n, lines);
}

} // namespace

bool readPoseText(int n, std::string text) {
    if (n < 1 || n > poseCount) return true;
    DataLines lines;
    lines.setText(std::move(text));
    return readPoseLines(n, lines);
}

std::string poseFileName(int number) {
    return "Posicoes/Pos" + zeroPadded(number, 4) + ".pos";
}
std::string poseErrorName(int number) {
    return "POSICOES\\POS" + zeroPadded(number, 4) + ".POS";
}

void loadPoses() {
    bool reading = true;
    for (int n = 1; n <= poseCount; ++n) {
        if (!fileExists(dataPath(poseFileName(n)))) {
            reportMissing(n);
            reading = false;
            continue;
        }
        if (reading && !readPose(n)) return;
    }
}
