// The two arena layouts and the arena model files they place: counts, the fixed
// placements, each arena's own models, cut-outs and pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "assets/arena_assets.h"
#include "assets/model_files.h"
#include "render/arena_setup.h"
#include "shell/game_state.h"

namespace {

struct Counts {
    int props = 0, sprites = 0, flats = 0, shadows = 0;
};

Counts layoutOf(u8 arena) {
    gs = {};
    gs.lightingVariant = 1;
    arenaSetup(arena);
    Counts c;
    for (const ArenaProp& p : gs.arenaProps) c.props += p.propModel != 0;
    for (const ArenaSprite& s : gs.arenaSprites) {
        c.sprites += s.spriteTexture != 0;
        c.flats += s.spriteTexture != 0 && s.spriteFlat == 1;
    }
    for (const FloorShadow& f : gs.floorShadows) c.shadows += f.active != 0;
    return c;
}

bool near(f64 a, f64 b) {
    return std::fabs(a - b) < 1e-9;
}

bool hasProp(u8 model, f64 x, f64 y, f64 z) {
    for (const ArenaProp& p : gs.arenaProps)
        if (p.propModel == model && near(p.propPos[0], x) && near(p.propPos[1], y) &&
            near(p.propPos[2], z))
            return true;
    return false;
}

std::set<int> placedModels() {
    std::set<int> models;
    for (const ArenaProp& p : gs.arenaProps)
        if (p.propModel) models.insert(p.propModel);
    return models;
}

} // namespace

TEST(ArenaLayout, VillageHasItsCounts) {
    const Counts c = layoutOf(1);
    EXPECT_EQ(c.props, 47);
    EXPECT_EQ(c.sprites, 26);
    EXPECT_EQ(c.shadows, 0);
}

TEST(ArenaLayout, FarmHasItsCounts) {
    const Counts c = layoutOf(2);
    EXPECT_EQ(c.props, 20);
    EXPECT_EQ(c.sprites, 21);
    EXPECT_EQ(c.shadows, 7);
}

TEST(ArenaLayout, EachArenaPlacesExactlyItsOwnModels) {
    layoutOf(1);
    std::set<int> village;
    for (int n = 1; n <= 25; ++n) village.insert(n);
    EXPECT_EQ(placedModels(), village);
    layoutOf(2);
    std::set<int> farm;
    for (int n = 26; n <= 44; ++n) farm.insert(n);
    EXPECT_EQ(placedModels(), farm);
}

TEST(ArenaLayout, VillageFixedPlacements) {
    layoutOf(1);
    EXPECT_EQ(gs.arenaProps[1].propModel, 1);
    EXPECT_TRUE(hasProp(1, -0.5, 0, 0));
    EXPECT_EQ(gs.arenaProps[2].propModel, 2);
    EXPECT_TRUE(hasProp(2, -11, 0, -3));
    // The lower flight climbs away from the camera, the upper flight goes on to the landing.
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(hasProp(3, -5.85, 0.4 * i, -0.4 - 0.6 * i)) << i;
    int upper = 0;
    f64 top = 0, back = 0;
    for (const ArenaProp& p : gs.arenaProps)
        if (p.propModel == 4) {
            ++upper;
            EXPECT_DOUBLE_EQ(p.propPos[0], -5.85);
            top = std::max(top, p.propPos[1]);
            back = std::min(back, p.propPos[2]);
        }
    EXPECT_EQ(upper, 8);
    EXPECT_DOUBLE_EQ(top, 3.6);
    EXPECT_DOUBLE_EQ(back, -7.6);
    bool tree = false;
    for (const ArenaSprite& s : gs.arenaSprites)
        tree = tree || (s.spriteTexture == 1 && s.spriteFlat == 0 && near(s.spritePos[0], -6.03) &&
                        near(s.spritePos[1], 0) && near(s.spritePos[2], 1.0));
    EXPECT_TRUE(tree);
}

TEST(ArenaLayout, FarmFixedPlacements) {
    layoutOf(2);
    EXPECT_EQ(gs.arenaProps[1].propModel, 26);
    EXPECT_TRUE(hasProp(26, -2, 0, 1));
    EXPECT_TRUE(hasProp(27, -11, 0, -5));
    EXPECT_TRUE(hasProp(28, -11, 0, -5));
    EXPECT_TRUE(hasProp(29, -1, 0, -5));
    EXPECT_TRUE(hasProp(30, -1, 0, -1));
    bool shadow = false;
    for (const FloorShadow& f : gs.floorShadows)
        shadow = shadow || (f.active && near(f.centre[0], -10.15) && near(f.centre[1], 0) &&
                            near(f.centre[2], -1));
    EXPECT_TRUE(shadow);
}

TEST(ArenaLayout, CutOutsUseTheirArenasPicturesAndEachShadowHasItsPicture) {
    for (u8 arena : {u8{1}, u8{2}}) {
        layoutOf(arena);
        // An arena loads only its own cut-out pictures.
        const auto [first, last] = arenaCutOutPictures(arena);
        for (const ArenaSprite& s : gs.arenaSprites) {
            if (!s.spriteTexture) continue;
            EXPECT_GE(s.spriteTexture, first);
            EXPECT_LE(s.spriteTexture, last);
            EXPECT_GT(s.spriteWidth, 0);
            EXPECT_GT(s.spriteHeight, 0);
            if (s.spriteFlat != 1) continue;
            bool upright = false;
            for (const ArenaSprite& u : gs.arenaSprites)
                upright =
                    upright ||
                    (u.spriteTexture == s.spriteTexture && u.spriteFlat == 0 &&
                     u.spritePos == s.spritePos && u.spriteWidth == s.spriteWidth &&
                     u.spriteHeight == s.spriteHeight && u.spriteMirrored == s.spriteMirrored);
            EXPECT_TRUE(upright) << int(arena) << " shadow of " << int(s.spriteTexture);
        }
    }
}

TEST(ArenaLayout, ModelFilesFitAndUseTheirArenasPictures) {
    gs = {};
    for (int n = 1; n <= arenaModelCount; ++n) {
        SCOPED_TRACE(n);
        ASSERT_EQ(readModelFile(ModelFamily::Arena, n), ReadResult::Read);
        const Model& m = arenaModels[static_cast<std::size_t>(n)];
        EXPECT_GT(m.faceCount, 0);
        EXPECT_LE(m.faceCount, maxModelFaces);
        // An arena loads only its own surface pictures.
        const auto [first, last] = arenaSurfacePictures(n <= 25 ? 1 : 2);
        for (std::size_t i = 1; i <= m.faceCount; ++i) {
            EXPECT_GE(m.faceTexture[i], first) << "face " << i;
            EXPECT_LE(m.faceTexture[i], last) << "face " << i;
            // The game lights a face by the normal of its corners 1, 2 and 3.
            const ModelVertex &a = m.corner[1][i], &b = m.corner[2][i], &c = m.corner[3][i];
            const f64 ax = a.x - b.x, ay = a.y - b.y, az = a.z - b.z;
            const f64 bx = b.x - c.x, by = b.y - c.y, bz = b.z - c.z;
            const f64 nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
            EXPECT_GT(nx * nx + ny * ny + nz * nz, 1e-12) << "face " << i;
        }
    }
}
