// The throws of both characters: the opponent made ready when a throw is accepted, where
// the thrower holds it and how it is posed frame by frame, the side Seu Brandolim's swing
// throw lands it on, and, on the real battle tick, that every throw connects at close range,
// takes the life its attack data says and floors the victim, after which both bodies are
// solid and tangible again.
#include <cmath>
#include <string>

#include "battle_support.h"
#include "fight/animation.h"
#include "fighter_update_support.h"
#include "match/battle_scene.h"

namespace {

using Throws = FighterTest;

// Fighter `thrower` at x 0 and its opponent 1.0 away on the side `side` (+1 right, -1
// left), both idle and facing each other; the throw is requested at grabbing range.
void grab(int thrower, const char* anim, double side) {
    personagem& a = gs.fighter(thrower);
    personagem& v = gs.opponent(thrower);
    a.posX = 0;
    v.posX = side;
    faceOpponent(1);
    faceOpponent(2);
    gs.fighterGap = 0.4;
    ASSERT_TRUE(requestAnimation(thrower, anim)) << anim;
}

// Updates both fighters in tick order, `n` times.
void bothTicks(int n) {
    for (int k = 0; k < n; ++k) {
        updateFighter(1);
        updateFighter(2);
    }
}

} // namespace

// Whatever the opponent was doing, it now stands in the grab: on the floor, at rest,
// facing the thrower, in its neutral stance, and hittable but not solid.
TEST_F(Throws, AcceptanceTakesHoldOfTheOpponent) {
    struct Case {
        int thrower;
        const char* anim;
        const char* victimAnim; // what the opponent was doing
        double victimY;
        long neutralPose; // the opponent's pose +1
    } cases[] = {
        {1, "AGARRAR-SOCO", "PULAR", 0.5, 110},
        {1, "AGARRAR-CHUTE", "ANDAR-FRENTE", 0, 110},
        {2, "AGARRAR-SOCO", "DEFESA-ALTA", 0, 1},
        {2, "AGARRAR-CHUTE", "PULAR", 0.6, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& v = gs.opponent(c.thrower);
        v.anim = c.victimAnim;
        v.frame = 30;
        v.posY = c.victimY;
        v.airborne = c.victimY > 0 ? 1 : 0;
        v.jumpVelX = 0.23;
        v.jumpVelY = 0.4;
        v.slideSpeed = 0.1;
        v.rotX = 50;
        v.rotVel = {25, 0, 3};
        v.queuedAnim = "SOCO-FORTE";
        v.bodySolid = 1;
        grab(c.thrower, c.anim, c.thrower == 1 ? 1.0 : -1.0);
        const std::string what = std::to_string(c.thrower) + " " + c.anim + " " + c.victimAnim;
        EXPECT_EQ(gs.fighter(c.thrower).anim, c.anim) << what;
        EXPECT_EQ(v.anim, "SOFRE-AGARRAMENTO") << what;
        EXPECT_EQ(v.frame, 0) << what;
        EXPECT_EQ(v.frameCount, 100) << what;
        EXPECT_TRUE(v.queuedAnim.empty()) << what;
        EXPECT_EQ(v.posY, 0) << what;
        EXPECT_EQ(v.airborne, 0) << what;
        EXPECT_EQ(v.jumpVelX, 0) << what;
        EXPECT_EQ(v.jumpVelY, 0) << what;
        EXPECT_EQ(v.slideSpeed, 0) << what;
        EXPECT_EQ(v.rotX, 0) << what;
        EXPECT_EQ(v.rotVel[0], 0) << what;
        EXPECT_EQ(v.rotVel[2], 0) << what;
        EXPECT_EQ(v.bodySolid, 0) << what;
        EXPECT_EQ(v.intangible, 0) << what;
        EXPECT_EQ(v.facing, c.thrower == 1 ? "ESQ" : "DIR") << what;
        EXPECT_EQ(startPose(v), c.neutralPose) << what;
        EXPECT_EQ(endPose(v), c.neutralPose) << what;
        EXPECT_EQ(v.blend, 0) << what;
        TearDown();
    }
}

// Both fighters played tick by tick from the request (no hits): the opponent's place,
// height, spin, animation and key poses (its own base) and the thrower's key poses.
TEST_F(Throws, TheHeldOpponentFollowsTheThrow) {
    constexpr long skip = 0; // key poses not checked
    struct Case {
        int thrower;
        const char* anim;
        double side; // where the opponent stands at the request
        int frame;
        const char* victimAnim;
        double dx, y, rotX; // the opponent's x from the thrower's, height and spin
        long start, end;
        double blend;
        long ownStart, ownEnd;
        double ownBlend;
    } cases[] = {
        // Torvel's punch throw: held 0.9 on its side, doubled over by each punch.
        {1, "AGARRAR-SOCO", 1, 1, "SOFRE-AGARRAMENTO", 0.9, 0, 0, 110, 110, 0, 92, skip, 0},
        {1, "AGARRAR-SOCO", 1, 6, "SOFRE-AGARRAMENTO", 0.9, 0, 0, 110, 168, 49.98, 92, 93, 49.98},
        {1, "AGARRAR-SOCO", -1, 12, "SOFRE-AGARRAMENTO", -0.9, 0, 0, 110, 168, 100, 92, 93, 100},
        {1, "AGARRAR-SOCO", 1, 18, "SOFRE-AGARRAMENTO", 0.9, 0, 0, 168, 167, 49.98, 93, 92, 49.98},
        {1, "AGARRAR-SOCO", 1, 40, "SOFRE-AGARRAMENTO", 0.9, 0, 0, 167, 168, 100, 93, 1, 20},
        // Torvel's kick throw: carried over him, rising ever faster and spinning, dropped
        // behind him.
        {1, "AGARRAR-CHUTE", 1, 5, "SOFRE-AGARRAMENTO", 0.11, 0.39, 40, 174, 174, 0, 95, 96, 28.56},
        {1, "AGARRAR-CHUTE", -1, 10, "SOFRE-AGARRAMENTO", 1.34, 1.43, 80, 174, 174, 0, 95, 96, 100},
        {1, "AGARRAR-CHUTE", 1, 11, "QUEDA-1", -1.34, 1.63, 80, skip, skip, 0, 95, 96, 100},
        // Seu Brandolim's punch throw: held 0.85 on its side, head snapped back.
        {2, "AGARRAR-SOCO", -1, 1, "SOFRE-AGARRAMENTO", -0.85, 0, 0, 58, 58, 0, 207, skip, 0},
        {2, "AGARRAR-SOCO", 1, 12, "SOFRE-AGARRAMENTO", 0.85, 0, 0, 58, 58, 0, 208, 209, 40},
        // Seu Brandolim's swing throw: over his head from one side to the other, held up
        // there, hurled at frame 14.
        {2, "AGARRAR-CHUTE", -1, 1, "SOFRE-AGARRAMENTO", -1.2, 0, 0, 58, 58, 0, 210, skip, 0},
        {2, "AGARRAR-CHUTE", -1, 5, "SOFRE-AGARRAMENTO", -0.5429, 1.9081, 51, 58, 58, 0, 210, 211,
         49.98},
        {2, "AGARRAR-CHUTE", 1, 11, "SOFRE-AGARRAMENTO", -0.8466, 1.5936, 102, 58, 58, 0, 210, 211,
         100},
        {2, "AGARRAR-CHUTE", -1, 14, "QUEDA-1", 0.8466, 1.5936, 102, 58, 58, 0, 211, 212, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        grab(c.thrower, c.anim, c.side);
        bothTicks(c.frame);
        const personagem& a = gs.fighter(c.thrower);
        const personagem& v = gs.opponent(c.thrower);
        const std::string what = std::to_string(c.thrower) + " " + c.anim + " side " +
                                 std::to_string(c.side) + " frame " + std::to_string(c.frame);
        ASSERT_EQ(a.frame, c.frame) << what;
        EXPECT_EQ(v.anim, c.victimAnim) << what;
        EXPECT_NEAR(v.posX - a.posX, c.dx, 1e-3) << what;
        EXPECT_NEAR(v.posY, c.y, 1e-3) << what;
        EXPECT_NEAR(v.rotX, c.rotX, 1e-9) << what;
        if (c.start != skip) expectKeys(v, c.start, c.end, c.blend, what);
        EXPECT_EQ(startPose(a), c.ownStart) << what;
        if (c.ownEnd != skip) {
            EXPECT_EQ(endPose(a), c.ownEnd) << what;
        }
        EXPECT_NEAR(a.blend, c.ownBlend, 1e-9) << what;
        TearDown();
    }
}

// At frame 7 of the swing throw, right held turns Seu Brandolim to the right and the
// opponent lands on his right; left held (even with right) lands it on his left; neither
// keeps the side it was grabbed on.
TEST_F(Throws, TheSwingThrowLandsOnTheSideHeldAtFrameSeven) {
    struct Case {
        double side;
        u8 right, left;
        const char* facing; // Seu Brandolim's after frame 7
        double landsOn;
    } cases[] = {
        {1, 0, 0, "DIR", 1},  {-1, 0, 0, "ESQ", -1}, {-1, 1, 0, "DIR", 1},
        {1, 0, 1, "ESQ", -1}, {-1, 1, 1, "ESQ", -1}, {1, 1, 0, "DIR", 1},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& a = two();
        const personagem& v = one();
        grab(2, "AGARRAR-CHUTE", c.side);
        a.inRight = c.right;
        a.inLeft = c.left;
        bothTicks(7);
        const std::string what = "side " + std::to_string(c.side) + " right " +
                                 std::to_string(c.right) + " left " + std::to_string(c.left);
        EXPECT_EQ(a.facing, c.facing) << what;
        EXPECT_EQ(v.facing, std::string(c.facing) == "DIR" ? "ESQ" : "DIR") << what;
        int tick = 0;
        for (; tick < 200 && !(v.anim == "DEITADO"); ++tick) bothTicks(1);
        ASSERT_LT(tick, 200) << what;
        EXPECT_GT((v.posX - a.posX) * c.landsOn, 1.0) << what;
    }
}

namespace {

// Fighter 1 of character `c1` and fighter 2 of `c2` in the middle of the arena, 1.1 apart
// (within grabbing range whoever they are), after two battle ticks.
void closePair(u8 c1, u8 c2) {
    freshBattle();
    gs.damageLevel = 3;
    registerFighter(1, c1, fighterRoster);
    registerFighter(2, c2, fighterRoster);
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
        gs.fighter(i).isHuman = 1;
    }
    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    gs.fighter(1).posX = middle - 0.55;
    gs.fighter(2).posX = middle + 0.55;
    battleScene(); // the body boxes are set
    battleScene(); // and the gap measured between them
}

} // namespace

// On the real battle tick (the renderer places the striking parts the hits test): each
// throw, by either fighter, takes the life its attack data says, puts the victim on the
// floor, and once both stand idle again both are solid and can be hit.
TEST(ThrowsInBattle, EachThrowFloorsTheVictimAndTheBodiesComeBack) {
    struct Case {
        int thrower;
        u8 throwerCharacter, victimCharacter;
        const char* anim;
        double lifeLost;
    } cases[] = {
        {1, 1, 2, "AGARRAR-SOCO", 12},  // three blows of 4
        {2, 2, 1, "AGARRAR-SOCO", 12},  // one blow of 12
        {1, 1, 2, "AGARRAR-CHUTE", 0},  // the roll-back throw has no blow
        {2, 2, 1, "AGARRAR-CHUTE", 12}, // hurt at frame 13 of the swing
        {2, 1, 1, "AGARRAR-SOCO", 12},  {1, 2, 2, "AGARRAR-CHUTE", 12},
    };
    for (const Case& c : cases) {
        if (c.thrower == 1)
            closePair(c.throwerCharacter, c.victimCharacter);
        else
            closePair(c.victimCharacter, c.throwerCharacter);
        const std::string what = "fighter " + std::to_string(c.thrower) + " character " +
                                 std::to_string(c.throwerCharacter) + " " + c.anim +
                                 " on character " + std::to_string(c.victimCharacter);
        ASSERT_LE(gs.fighterGap, 0.5) << what;
        ASSERT_TRUE(requestAnimation(c.thrower, c.anim)) << what;
        const personagem& a = gs.fighter(c.thrower);
        const personagem& v = gs.opponent(c.thrower);
        bool floored = false;
        int tick = 0;
        for (; tick < 400; ++tick) {
            battleScene();
            floored = floored || v.anim == "DEITADO";
            if (floored && a.anim == "PARADO" && v.anim == "PARADO") break;
        }
        EXPECT_TRUE(floored) << what;
        ASSERT_LT(tick, 400) << what;
        EXPECT_NEAR(v.life, 100 - c.lifeLost, 1e-9) << what;
        for (const personagem* p : {&a, &v}) {
            EXPECT_EQ(p->bodySolid, 1) << what;
            EXPECT_EQ(p->intangible, 0) << what;
            EXPECT_EQ(p->rotX, 0) << what;
        }
    }
}
