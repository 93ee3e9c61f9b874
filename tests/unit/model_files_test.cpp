#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "assets/model_files.h"
#include "assets/textures.h"
#include "recording_gfx.h"
#include "scratch_dir.h"
#include "test_support.h"

namespace {

std::string lines(std::initializer_list<std::string> values) {
    std::string s;
    for (const std::string& v : values) s += v + "\r\n";
    return s;
}

// A model file with no faces: ID, count 0, addend, check value.
std::string emptyModel(int id, int addend, const std::string& check) {
    return lines({std::to_string(id), "0", std::to_string(addend), check});
}

// Flat unit faces with the given textures, and the file's correct check value.
std::string facesModel(int id, const std::vector<int>& textures) {
    Model m;
    m.faceCount = static_cast<u8>(textures.size());
    std::string s = lines({std::to_string(id), std::to_string(textures.size())});
    const double pos[4][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    for (std::size_t i = 1; i <= textures.size(); ++i) {
        m.faceTexture[i] = static_cast<u8>(textures[i - 1]);
        s += lines({std::to_string(textures[i - 1])});
        for (int c = 0; c < 4; ++c) {
            ModelVertex& v = m.corner[static_cast<std::size_t>(c + 1)][i];
            v = {pos[c][0], pos[c][1], pos[c][2], pos[c][0] * 0.5, pos[c][1] * 0.25};
            s += lines({std::to_string(v.x), std::to_string(v.y), " " + std::to_string(v.z) + " "});
        }
        for (int c = 1; c <= 4; ++c)
            s += lines({std::to_string(m.corner[static_cast<std::size_t>(c)][i].u),
                        std::to_string(m.corner[static_cast<std::size_t>(c)][i].v)});
    }
    char check[40];
    std::snprintf(check, sizeof check, "%.17g", modelCheckValue(id, m, 4));
    return s + lines({"4", check});
}

// One flat face, texture 3.
std::string oneFaceModel(int id) {
    return facesModel(id, {3});
}

} // namespace

TEST(ModelFiles, NamesArePaddedToThreeDigits) {
    EXPECT_EQ(modelFileName(ModelFamily::Arena, 7), "Cenarios/Cenario-007.cgo");
    EXPECT_EQ(modelFileName(ModelFamily::Arena, 42), "Cenarios/Cenario-042.cgo");
    EXPECT_EQ(modelFileName(ModelFamily::Arena, 120), "Cenarios/Cenario-120.cgo");
    EXPECT_EQ(modelFileName(ModelFamily::Part, 1), "Personagens/Personagem-001.cgo");
}

TEST(ModelFiles, CheckValueRoundsHalvesToEven) {
    // ID + addend x 1.5: 1 + 1.5 = 2.5 -> 2; 2 + 1.5 = 3.5 -> 4; 3 + 1.5 = 4.5 -> 4.
    struct Case {
        int id, addend;
        double expected;
    } cases[] = {{1, 1, 2}, {2, 1, 4}, {3, 1, 4}, {4, -3, 0}, {5, -3, 0}, {6, -3, 2}};
    for (const Case& c : cases) {
        Model m;
        EXPECT_EQ(modelCheckValue(c.id, m, c.addend), c.expected) << c.id << " " << c.addend;
    }
}

TEST(ModelFiles, AGoodFileFillsItsSlot) {
    freshGame();
    ScratchDir dir("model-good");
    dir.write("Personagens/Personagem-005.cgo", oneFaceModel(5));
    dir.write("Cenarios/Cenario-002.cgo", emptyModel(2, 1, "4"));
    EXPECT_EQ(readModelFile(ModelFamily::Part, 5), ReadResult::Read);
    EXPECT_EQ(readModelFile(ModelFamily::Arena, 2), ReadResult::Read);
    EXPECT_EQ(gs.sceneName, "DEBUG-PERSONAGEM");
    const Model& m = partModels[5];
    EXPECT_EQ(m.faceCount, 1);
    EXPECT_EQ(m.faceTexture[1], 3);
    EXPECT_EQ(m.corner[3][1].x, 1.0);
    EXPECT_EQ(m.corner[3][1].y, 1.0);
    EXPECT_EQ(m.corner[2][1].u, 0.5);
    EXPECT_EQ(m.corner[4][1].v, 0.25);
}

TEST(ModelFiles, FailuresSetTheErrorLines) {
    struct Case {
        const char* what;
        std::string text; // empty: no file
        const char* line1;
        const char* line2;
        const char* line3;
    } cases[] = {
        {"missing", "", "ARQUIVO  CENARIOS/CENARIO-003.CGO  NÃO FOI ENCONTRADO",
         "VERIFIQUE SE O ARQUIVO EXISTE.", "VERIFIQUE SE O CAMINHO DO ARQUIVO ESTA CORRETO."},
        {"wrong id", emptyModel(4, 2, "7"),
         "ARQUIVO  CENARIOS/CENARIO-003.CGO  INCORRETO - ID INCORRETO",
         "* O ARQUIVO PODE TER SIDO MODIFICADO.", "EARLIER 3"},
        {"wrong contents", emptyModel(3, 2, "7"), "ARQUIVO  CENARIOS/CENARIO-003.CGO  INCORRETO",
         "* O ARQUIVO PODE TER SIDO MODIFICADO.", "EARLIER 3"},
        {"both", emptyModel(4, 2, "8"), "ARQUIVO  CENARIOS/CENARIO-003.CGO  INCORRETO",
         "* O ARQUIVO PODE TER SIDO MODIFICADO.", "EARLIER 3"},
    };
    for (const Case& c : cases) {
        freshGame();
        gs.errorLine3 = "EARLIER 3";
        ScratchDir dir("model-fail");
        if (!c.text.empty()) dir.write("Cenarios/Cenario-003.cgo", c.text);
        arenaModels[3].faceCount = 77;
        readModelFile(ModelFamily::Arena, 3);
        EXPECT_EQ(gs.sceneName, "ERRO") << c.what;
        EXPECT_EQ(gs.errorLine1, c.line1) << c.what;
        EXPECT_EQ(gs.errorLine2, c.line2) << c.what;
        EXPECT_EQ(gs.errorLine3, c.line3) << c.what;
        // A missing file leaves its slot; a file failing a check still fills it.
        EXPECT_EQ(arenaModels[3].faceCount, c.text.empty() ? 77 : 0) << c.what;
    }
}

TEST(ModelFiles, MalformedFilesStopWithTheirLineAndKeepTheSlot) {
    const std::string good = oneFaceModel(1);
    struct Case {
        const char* what;
        std::string text;
        int line;
    } cases[] = {
        {"not a number", lines({"1", "1", "3", "0", "zero"}), 5},
        {"ends early", lines({"1", "1", "3", "0", "0"}), 6},
        {"empty", "", 1},
        {"too many faces", lines({"1", "231"}), 2},
        {"negative count", lines({"1", "-1"}), 2},
        {"no check value", good.substr(0, good.rfind("\r\n", good.size() - 3) + 2), 0},
        {"comma decimal", lines({"1", "1", "3", "0,5"}), 4},
    };
    for (const Case& c : cases) {
        freshGame();
        partModels[1].faceCount = 9;
        EXPECT_EQ(readModelText(ModelFamily::Part, 1, c.text), ReadResult::Malformed) << c.what;
        EXPECT_EQ(gs.sceneName, "ERRO") << c.what;
        const std::string line1 = gs.errorLine1.buf;
        EXPECT_EQ(line1.rfind("ARQUIVO  PERSONAGENS/PERSONAGEM-001.CGO  INCORRETO - LINHA ", 0), 0u)
            << c.what << ": " << line1;
        if (c.line > 0) {
            EXPECT_NE(line1.find("LINHA " + std::to_string(c.line)), std::string::npos) << c.what;
        }
        EXPECT_EQ(partModels[1].faceCount, 9) << c.what;
    }
}

TEST(ModelFiles, AMalformedFileStopsTheRangeAndNothingIsCompiled) {
    freshGame();
    ScratchDir dir("model-range");
    for (int n = 1; n <= 32; ++n) dir.write(modelFileName(ModelFamily::Part, n), oneFaceModel(n));
    dir.write(modelFileName(ModelFamily::Part, 4), lines({"4", "x"}));
    partLists = {};
    partModels[9].faceCount = 0;
    loadPartModels(1, 32, 400, 400);
    EXPECT_EQ(partModels[9].faceCount, 0) << "files after the malformed one are not read";
    EXPECT_EQ(partLists[1], 0u);

    gs.sceneName = "DEBUG-PERSONAGEM";
    dir.write(modelFileName(ModelFamily::Part, 4), oneFaceModel(4));
    loadPartModels(1, 32, 400, 400);
    EXPECT_EQ(gs.sceneName, "DEBUG-PERSONAGEM");
    for (std::size_t n = 1; n <= 32; ++n) EXPECT_NE(partLists[n], 0u) << n;
}

TEST(ModelFiles, ListsDrawEachFaceWithItsNormalAndTexture) {
    freshGame();
    ScratchDir dir("model-lists");
    for (int n = 1; n <= 44; ++n)
        dir.write(modelFileName(ModelFamily::Arena, n),
                  n == 5 ? oneFaceModel(5) : emptyModel(n, 0, std::to_string(n)));
    RecordingGfx rec;
    useGfx(rec);
    loadArenaModels(1, 44);
    useGfx(nullGfx());
    EXPECT_EQ(gs.sceneName, "DEBUG-PERSONAGEM") << gs.errorLine1.buf;
    ASSERT_EQ(rec.count("begin"), 1u) << "one face in all 44 models";
    const auto& normal = rec.first("normal");
    // Corners 1, 2, 3 of a face in the x-y plane, counter-clockwise: the normal is +z.
    EXPECT_NEAR(normal.a[2], 1.0, 1e-9);
    EXPECT_EQ(rec.count("texCoord"), 4u);
    EXPECT_EQ(rec.count("newList"), 44u);
}

// Faces in a row on the same texture share one bind and one quad batch; each face still
// brings its own normal and four corners.
TEST(ModelFiles, ConsecutiveFacesOnOneTextureShareABatch) {
    freshGame();
    ScratchDir dir("model-batches");
    for (int n = 1; n <= 44; ++n)
        dir.write(modelFileName(ModelFamily::Arena, n),
                  n == 7 ? facesModel(7, {2, 2, 5, 2}) : emptyModel(n, 0, std::to_string(n)));
    loadPictureSet(PictureSet::Arena, 400, 400);
    RecordingGfx rec;
    useGfx(rec);
    loadArenaModels(1, 44);
    useGfx(nullGfx());
    ASSERT_EQ(gs.sceneName, "DEBUG-PERSONAGEM") << gs.errorLine1.buf;
    EXPECT_EQ(rec.count("begin"), 3u);
    EXPECT_EQ(rec.count("end"), 3u);
    EXPECT_EQ(rec.count("bindTexture"), 3u);
    EXPECT_EQ(rec.count("normal"), 4u);
    EXPECT_EQ(rec.count("vertex"), 16u);
}
