// Checks over the game's own poses and body-part models, as the build made them: every
// pose loads, standing poses keep the feet on the floor, and every standard attack's
// strike pose reaches an opponent whose body touches the attacker's.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "assets/model_files.h"
#include "assets/pose_files.h"
#include "fight/animation.h"
#include "fight/fighter_setup.h"
#include "render/fighter_renderer.h"
#include "shell/rosters.h"
#include "test_support.h"

namespace {

// Character c's poses are its base (0 or 109) plus the common pose number.
int poseOf(int character, int common) { return (character == 2 ? 109 : 0) + common; }

// The fighter drawn in pose n, standing at the origin facing +x.
personagem& posed(int character, int n) {
    personagem& f = gs.fighter(1);
    registerFighter(1, static_cast<u8>(character), fighterRoster);
    f.facing = "DIR";
    setKeyframe(1, n, "INICIAL");
    setKeyframe(1, n, "FINAL");
    blendKeyframes(1, 0);
    return f;
}

// The lowest point of a part's model in the world, the figure standing at y = 0.
double lowestPoint(const personagem& f, std::size_t part) {
    const Matrix m = partJointMatrix(f, part);
    const Model& model = partModels[f.parts[part].model];
    double lowest = 1e9;
    for (std::size_t i = 1; i <= model.faceCount; ++i)
        for (std::size_t c = 1; c <= 4; ++c) {
            const ModelVertex& v = model.corner[c][i];
            lowest = std::min(lowest, m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13]);
        }
    return lowest + f.curPose.root[1];
}

// How far in front of the fighter's position a part's hit box reaches (facing +x).
double reach(const personagem& f, std::size_t part) {
    const Matrix m = partJointMatrix(f, part);
    return f.curPose.root[0] + m[14] + f.parts[part].hitRadiusZ;
}

class PoseContent : public ::testing::Test {
  protected:
    void SetUp() override {
        freshGame();
        ASSERT_EQ(gs.sceneName, "DEBUG-PERSONAGEM") << "every pose file loads: "
                                                     << gs.errorLine1.view();
        for (int n = 1; n <= partModelCount; ++n) readModelFile(ModelFamily::Part, n);
        ASSERT_EQ(gs.sceneName, "DEBUG-PERSONAGEM") << gs.errorLine1.view();
    }
};

} // namespace

TEST_F(PoseContent, StandingPosesKeepTheFeetOnTheFloor) {
    std::vector<int> standing;
    for (int n = 1; n <= 10; ++n) standing.push_back(n); // idle, tired idle, walks
    for (int n : {13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 28, 29}) standing.push_back(n);
    for (int n = 31; n <= 46; ++n) standing.push_back(n); // ground attacks
    for (int character = 1; character <= 2; ++character)
        for (int common : standing) {
            const int n = poseOf(character, common);
            const personagem& f = posed(character, n);
            const double feet = std::min(lowestPoint(f, 10), lowestPoint(f, 13));
            EXPECT_NEAR(feet, 0.0, 0.1) << "pose " << n;
        }
}

TEST_F(PoseContent, StrikePosesReachInFrontOfTheBody) {
    struct Strike {
        int common;
        std::vector<std::size_t> parts1, parts2; // striking parts of each character
    } strikes[] = {
        {32, {6, 7}, {6, 7}},     {34, {9, 10}, {12, 13}}, {36, {3, 4}, {3, 4}},
        {38, {9, 10}, {9, 10}},   {40, {6, 7}, {6, 7}},    {42, {12, 13}, {12, 13}},
        {44, {3, 4}, {3, 4}},     {46, {9, 10}, {9, 10}},  {48, {6, 7}, {6, 7}},
        {50, {12, 13}, {12, 13}}, {52, {3, 4}, {3, 4}},    {54, {12, 13}, {9, 10}},
    };
    for (int character = 1; character <= 2; ++character)
        for (const Strike& s : strikes) {
            const int n = poseOf(character, s.common);
            const personagem& f = posed(character, n);
            double best = -1e9;
            for (std::size_t p : character == 1 ? s.parts1 : s.parts2) best = std::max(best, reach(f, p));
            EXPECT_GE(best, 0.9) << "pose " << n;
        }
}
