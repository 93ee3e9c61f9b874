// Two registered fighters on the floor, fighter 1 at -2 facing "DIR", fighter 2 at +2
// facing "ESQ", both idle, with a pose table in which pose n has a root x of n world
// units once loaded, so a key pose tells which pose it is.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "assets/pose_files.h"
#include "fight/fighter_setup.h"
#include "fight/fighter_update.h"
#include "shell/rosters.h"
#include "test_support.h"

class FighterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        freshGame(); // loads the pose files
        savedPoses = poseTable;
        for (int n = 1; n <= poseCount; ++n) {
            poseTable[static_cast<std::size_t>(n)] = {};
            poseTable[static_cast<std::size_t>(n)].root = {n * 200.0, 0, 0};
        }
        registerFighter(1, 1, fighterRoster);
        registerFighter(2, 2, fighterRoster);
        for (int i = 1; i <= 2; ++i) {
            personagem& f = gs.fighter(i);
            f.posX = i == 1 ? -2 : 2;
            f.facing = i == 1 ? "DIR" : "ESQ";
            f.anim = "PARADO";
            f.frame = 0;
            f.frameCount = 10;
        }
    }
    void TearDown() override { poseTable = savedPoses; }

    personagem& one() { return gs.fighter(1); }
    personagem& two() { return gs.fighter(2); }

    // Puts fighter i in the middle of an animation: the next tick plays frame `frame`.
    void playing(int i, const char* anim, double frame) {
        personagem& f = gs.fighter(i);
        f.anim = anim;
        f.frame = frame - 1;
        f.frameCount = 1000;
    }
    void ticks(int n, int i = 1) {
        for (int k = 0; k < n; ++k) updateFighter(i);
    }
    static int objectsOfKind(int kind) {
        int n = 0;
        for (const auto& o : gs.objectPool) n += o.kind == kind ? 1 : 0;
        return n;
    }
    // The pose a key holds (the root x of pose n is n), -1 for the marker of an unloaded key.
    static long startPose(const personagem& f) { return std::lround(f.keyStart.root[0]); }
    static long endPose(const personagem& f) { return std::lround(f.keyEnd.root[0]); }

    // One tick of fighter i playing `anim` at `frame`, with both keys marked unloaded (-1)
    // and the blend at 42, so the checks see what this very frame set.
    personagem& playFrame(int i, const char* anim, double frame,
                          void (*setup)(personagem& f) = nullptr) {
        personagem& f = gs.fighter(i);
        playing(i, anim, frame);
        f.keyStart.root[0] = -1;
        f.keyEnd.root[0] = -1;
        f.blend = 42;
        if (setup) setup(f);
        ticks(1, i);
        return f;
    }
    static void expectKeys(const personagem& f, long start, long end, double blend,
                           const std::string& what) {
        EXPECT_EQ(startPose(f), start) << what;
        EXPECT_EQ(endPose(f), end) << what;
        EXPECT_NEAR(f.blend, blend, 1e-9) << what;
    }

  private:
    Slots<Pose, poseCount> savedPoses;
};
