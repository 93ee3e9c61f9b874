#include <gtest/gtest.h>

#include <cstdio>

#include "assets/pose_files.h"
#include "scratch_dir.h"
#include "test_support.h"

namespace {

// A pose file with N = 0: ID, 0, root x, y, z, addend, check value.
std::string poseText(int id, double rootY, int addend, double check) {
    char s[200];
    std::snprintf(s, sizeof s, "%d\r\n0\r\n0\r\n%.17g\r\n0\r\n%d\r\n%.17g\r\n", id, rootY, addend,
                  check);
    return s;
}

std::string goodPose(int n) {
    Pose p;
    p.root = {0, 400, 0};
    return poseText(n, 400, 1, poseCheckValue(static_cast<u8>(n), 0, p, 1));
}

// All 221 pose files, then the changes a test wants.
void writeAllPoses(const ScratchDir& dir) {
    for (int n = 1; n <= poseCount; ++n) dir.write(poseFileName(n), goodPose(n));
}

} // namespace

TEST(PoseFiles, NamesHaveFourDigits) {
    EXPECT_EQ(poseFileName(7), "Posicoes/Pos0007.pos");
    EXPECT_EQ(poseFileName(150), "Posicoes/Pos0150.pos");
    EXPECT_EQ(poseFileName(1000), "Posicoes/Pos1000.pos");
    EXPECT_EQ(poseErrorName(7), "POSICOES\\POS0007.POS");
}

TEST(PoseFiles, ReadsRootAnglesAndLeavesHigherPartsAlone) {
    freshGame();
    Pose p;
    p.root = {1.5, 380, -2};
    p.angleX[1] = 10;
    p.angleY[1] = -20.25;
    p.angleZ[2] = 90;
    poseTable[3].angleX[3] = 55;
    char check[40];
    std::snprintf(check, sizeof check, "%.17g", poseCheckValue(3, 2, p, 9));
    std::string text = "3\r\n2\r\n1.5\r\n380\r\n-2\r\n10\r\n-20.25\r\n0\r\n0\r\n0\r\n90\r\n9\r\n" +
                       std::string(check) + "\r\n";
    EXPECT_TRUE(readPoseText(3, text));
    EXPECT_EQ(gs.sceneName, "DEBUG-PERSONAGEM") << gs.errorLine1.buf;
    EXPECT_EQ(poseTable[3].root[1], 380);
    EXPECT_EQ(poseTable[3].angleY[1], -20.25);
    EXPECT_EQ(poseTable[3].angleZ[2], 90);
    EXPECT_EQ(poseTable[3].angleX[3], 55) << "parts above N keep their values";
}

TEST(PoseFiles, ChecksSetTheirLinesWithoutTheModifiedLine) {
    struct Case {
        const char* what;
        std::string text;
        const char* line1;
    } cases[] = {
        {"contents", poseText(7, 400, 1, 0), "ARQUIVO  POSICOES\\POS0007.POS  INCORRETO"},
        {"id", goodPose(8), "ARQUIVO  POSICOES\\POS0007.POS  INCORRETO - ID INCORRETO"},
        {"both", poseText(6, 400, 1, 0), "ARQUIVO  POSICOES\\POS0007.POS  INCORRETO - ID INCORRETO"},
        // 263 is stored as 7; its sum 7 + 0 + 400 + 2.5 = 409.5 rounds to 410.
        {"id stored in 8 bits", poseText(263, 400, 1, 410), nullptr},
    };
    for (const Case& c : cases) {
        freshGame();
        gs.errorLine2 = "KEPT";
        EXPECT_TRUE(readPoseText(7, c.text)) << c.what;
        if (c.line1) {
            EXPECT_EQ(gs.sceneName, "ERRO") << c.what;
            EXPECT_EQ(gs.errorLine1, c.line1) << c.what;
            EXPECT_EQ(gs.errorLine2, "KEPT") << c.what;
        } else {
            EXPECT_EQ(gs.sceneName, "DEBUG-PERSONAGEM") << c.what << ": " << gs.errorLine1.buf;
        }
    }
}

TEST(PoseFiles, AfterAMissingPoseNoneIsReadButLaterOnesAreLookedUp) {
    freshGame();
    ScratchDir dir("poses-order");
    writeAllPoses(dir);
    std::filesystem::remove(dir.path() / poseFileName(5));
    dir.write(poseFileName(9), poseText(9, 400, 1, 0)); // altered
    loadPoses();
    EXPECT_EQ(gs.errorLine1, "ARQUIVO  POSICOES\\POS0005.POS  NÃO FOI ENCONTRADO");

    gs.sceneName = "DEBUG-PERSONAGEM";
    std::filesystem::remove(dir.path() / poseFileName(9));
    loadPoses();
    EXPECT_EQ(gs.errorLine1, "ARQUIVO  POSICOES\\POS0009.POS  NÃO FOI ENCONTRADO");
}

TEST(PoseFiles, MalformedFilesNameTheirLine) {
    struct Case {
        const char* what;
        std::string text;
        const char* line1;
    } cases[] = {
        {"part count", "4\r\n26\r\n", "ARQUIVO  POSICOES\\POS0004.POS  INCORRETO - LINHA 2"},
        {"not a number", "4\r\n1\r\n0\r\n4OO\r\n", "ARQUIVO  POSICOES\\POS0004.POS  INCORRETO - LINHA 4"},
        {"ends early", "4\r\n1\r\n0\r\n0\r\n0\r\n1\r\n", "ARQUIVO  POSICOES\\POS0004.POS  INCORRETO - LINHA 7"},
        {"no lines", "", "ARQUIVO  POSICOES\\POS0004.POS  INCORRETO - LINHA 1"},
    };
    for (const Case& c : cases) {
        freshGame();
        EXPECT_FALSE(readPoseText(4, c.text)) << c.what;
        EXPECT_EQ(gs.sceneName, "ERRO") << c.what;
        EXPECT_EQ(gs.errorLine1, c.line1) << c.what;
    }
}

TEST(PoseFiles, AMalformedPoseStopsTheLoading) {
    freshGame();
    ScratchDir dir("poses-malformed");
    writeAllPoses(dir);
    dir.write(poseFileName(3), "3\r\nx\r\n");
    std::filesystem::remove(dir.path() / poseFileName(200));
    loadPoses();
    EXPECT_EQ(gs.errorLine1, "ARQUIVO  POSICOES\\POS0003.POS  INCORRETO - LINHA 2")
        << "the missing pose 200 is not reached";
}
