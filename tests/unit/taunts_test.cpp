// The taunt, the victory dances and the defeat of both characters, played by their own
// scripts: key poses, props, turning to the camera, looping and the objects they leave.
#include "fighter_update_support.h"

namespace {

using Taunts = FighterTest;

} // namespace

TEST_F(Taunts, KeyPosesPropsAndLoopsFollowTheRows) {
    struct Case {
        int fighter;
        const char* anim;
        double frame;
        double frameAfter; // a loop sends the frame back; a key of -1 was not loaded
        long start, end;
        double blend;
    } cases[] = {
        {1, "VITORIA-1", 5, 5, 1, 102, 50},      {1, "VITORIA-1", 25, 25, 103, 104, 50},
        {1, "VITORIA-1", 45, 45, 105, 102, 50},  {1, "VITORIA-2", 2, 2, 106, 107, 50},
        {1, "VITORIA-2", 5, 5, -1, -1, 100},     {1, "VITORIA-2", 11, 11, 107, 106, 50},
        {1, "DERROTA", 11, 11, 109, 108, 50},    {1, "PROVOCAR", 12, 12, 97, 98, 40},
        {1, "PROVOCAR", 100, 100, -1, -1, 100},  {2, "VITORIA-1", 5, 5, 215, 216, 50},
        {2, "VITORIA-1", 20, 20, 216, 217, 50},  {2, "VITORIA-1", 60, 10, -1, -1, 42},
        {2, "VITORIA-2", 15, 15, 218, 219, 50},  {2, "VITORIA-2", 30, 10, -1, -1, 42},
        {2, "DERROTA", 24, 24, 221, 220, 57.12}, {2, "PROVOCAR", 3, 3, 110, 213, 60},
        {2, "PROVOCAR", 13, 13, 213, 214, 60},   {2, "PROVOCAR", 17, 17, 214, 213, 40},
    };
    for (const Case& c : cases) {
        SetUp();
        const personagem& f = playFrame(c.fighter, c.anim, c.frame);
        const std::string what =
            std::to_string(c.fighter) + " " + c.anim + " " + std::to_string(c.frame);
        EXPECT_EQ(f.anim, c.anim) << what;
        EXPECT_EQ(f.frame, c.frameAfter) << what;
        expectKeys(f, c.start, c.end, c.blend, what);
        TearDown();
    }
}

// Seu Brandolim turns to the camera for each of them; Torvel only for the taunt.
TEST_F(Taunts, WhoTurnsToTheCamera) {
    struct Case {
        int fighter;
        const char* anim;
        double rotY;
    } cases[] = {{1, "PROVOCAR", 90},
                 {1, "VITORIA-1", -90},
                 {1, "DERROTA", -90},
                 {2, "VITORIA-1", 90},
                 {2, "DERROTA", 90}};
    for (const Case& c : cases) {
        SetUp();
        personagem& f = gs.fighter(c.fighter);
        playing(c.fighter, c.anim, 5);
        f.rotY = -90;
        ticks(1, c.fighter);
        EXPECT_EQ(f.rotY, c.rotY) << c.fighter << " " << c.anim;
        TearDown();
    }
}

TEST_F(Taunts, PropsShowOnlyForTheirDance) {
    struct Case {
        int fighter;
        const char* anim;
        int part;
        u8 visible;
    } cases[] = {{1, "VITORIA-2", 17, 1}, {1, "VITORIA-1", 17, 0}, {2, "VITORIA-1", 24, 1},
                 {2, "VITORIA-2", 17, 1}, {2, "VITORIA-2", 16, 0}, {2, "DERROTA", 16, 1},
                 {2, "DERROTA", 24, 0}};
    for (const Case& c : cases) {
        SetUp();
        playing(c.fighter, c.anim, 5);
        ticks(1, c.fighter);
        EXPECT_EQ(gs.fighter(c.fighter).parts[static_cast<std::size_t>(c.part)].visible, c.visible)
            << c.fighter << " " << c.anim << " part " << c.part;
        TearDown();
    }
}

TEST_F(Taunts, TorvelsTauntCallsAndHisTearsFall) {
    playing(1, "PROVOCAR", 1);
    ticks(1);
    EXPECT_EQ(objectsOfKind(38), 1);
    EXPECT_EQ(objectsOfKind(39), 1);
    gs.soundRequest = 0;
    ticks(9);
    EXPECT_EQ(gs.soundRequest, 23);

    playing(1, "DERROTA", 1);
    ticks(1);
    EXPECT_EQ(objectsOfKind(40), 0);
    ticks(1);
    EXPECT_EQ(objectsOfKind(40), 1) << "a tear on frame 2";
    ticks(14);
    EXPECT_EQ(objectsOfKind(40), 2) << "and on frame 12";
    ticks(1);
    EXPECT_EQ(one().anim, "PARADO") << "sixteen frames, then idle";
}
