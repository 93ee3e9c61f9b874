#include <gtest/gtest.h>

#include "assets/pose_files.h"
#include "fight/animation.h"
#include "fight/fighter_setup.h"
#include "shell/rosters.h"
#include "test_support.h"

namespace {

// Two registered fighters facing each other 4 apart, idle, fighter 1 on the left.
void twoFighters() {
    freshGame();
    registerFighter(1, 1, fighterRoster);
    registerFighter(2, 2, fighterRoster);
    gs.fighter(1).posX = -2;
    gs.fighter(2).posX = 2;
    gs.fighter(1).facing = "DIR";
    gs.fighter(2).facing = "ESQ";
    gs.fighterGap = 3;
}

} // namespace

TEST(RequestAnimation, FollowsTheTransitionTable) {
    struct Case {
        const char* from;
        double frame;
        const char* request;
        bool accepted;
        void (*setup)(personagem& f, personagem& o);
    } cases[] = {
        {"CORRIDA", 0, "CHUTE-FORTE", false, nullptr},
        {"CORRIDA", 0, "SOCO-FORTE", true, nullptr},
        {"PARADO", 0, "PARADO", false, nullptr},
        {"ANDAR-FRENTE", 7, "PARADO", true, nullptr},
        {"PARADO", 0, "NADA-DISSO", false, nullptr},
        {"PROVOCAR", 5, "ANDAR-TRAS", false, nullptr},
        {"PROVOCAR", 6, "ANDAR-TRAS", true, nullptr},
        {"PARADO", 0, "ANDAR-FRENTE", false, [](personagem& f, personagem&) { f.actionLock = 1; }},
        {"PARADO", 0, "SOCO-FRACO", true, [](personagem& f, personagem&) { f.actionLock = 3; }},
        {"PARADO", 0, "SOCO-FRACO", false, [](personagem& f, personagem&) { f.actionLock = 4; }},
        {"PARADO", 0, "SOCO-FRACO", false, [](personagem& f, personagem&) { f.crouchLock = 1; }},
        {"AGACHAR", 0, "CHUTE-FORTE-AGACHADO", true, nullptr},
        {"PARADO", 0, "CHUTE-FORTE-AGACHADO", false, nullptr},
        {"PARADO", 0, "AUMENTAR-PODER", false, [](personagem& f, personagem&) { f.stocks = 3; }},
        {"PARADO", 0, "DEFESA-ALTA", false, nullptr},
        {"PARADO", 0, "DEFESA-ALTA", true, [](personagem&, personagem& o) { o.attacking = 1; }},
        {"PARADO", 0, "DEFESA-BAIXA", false,
         [](personagem&, personagem& o) { o.attacking = 1, gs.fighterGap = 3.3; }},
        {"LEVANTAR", 12, "DEFESA-ALTA", false,
         [](personagem&, personagem& o) { o.specialAttacking = 1; }},
        {"LEVANTAR", 13, "DEFESA-ALTA", true,
         [](personagem&, personagem& o) { o.specialAttacking = 1; }},
        {"PULAR", 0, "DEFESA-AEREA", true, [](personagem&, personagem& o) { o.attacking = 1; }},
        {"DEITADO", 3, "ROLAR-TRAS", false, nullptr},
        {"DEITADO", 4, "ROLAR-FRENTE", true, nullptr},
        {"SOCO-FRACO", 3, "ROLAR-TRAS", true, nullptr},
        {"SOCO-FRACO", 4, "ROLAR-TRAS", false, nullptr},
        {"CORRIDA", 0, "ROLAR-TRAS", false, nullptr},
        {"CORRIDA", 0, "ROLAR-FRENTE", true, nullptr},
        {"CORRIDA", 0, "VOADORA", true, nullptr},
        {"PARADO", 0, "VOADORA", false, nullptr},
        {"PARADO", 0, "AGARRAR-SOCO", false, nullptr},
        {"PARADO", 0, "AGARRAR-SOCO", true, [](personagem&, personagem&) { gs.fighterGap = 0.5; }},
        {"PARADO", 0, "AGARRAR-CHUTE", false,
         [](personagem&, personagem& o) { gs.fighterGap = 0.4, o.posY = 0.7; }},
        {"PARADO", 0, "AGARRAR-CHUTE", false,
         [](personagem& f, personagem&) { gs.fighterGap = 0.4, f.stunLock = 2; }},
        {"SOCO-FORTE", 3, "GOLPE-COMBO-AEREO", true, nullptr},
        {"SOCO-FORTE", 4, "GOLPE-COMBO-AEREO", false, nullptr},
        {"SOCO-FRACO", 10, "DESMAIAR", true, nullptr},
        {"PULAR", 10, "DESMAIAR", false, [](personagem& f, personagem&) { f.posY = 1; }},
        {"AGACHAR", 0, "USAR-ITEM", true, nullptr},
        {"PULAR", 0, "USAR-ITEM", false, [](personagem& f, personagem&) { f.airborne = 1; }},
        {"SOCO-FORTE-AR", 2, "JOGAR-ITEM", true,
         [](personagem& f, personagem&) {
             f.attacking = 1;
             f.posY = 0.5;
         }},
        {"PULAR", 0, "SOCO-FRACO-AR", true, nullptr},
        {"PULAR", 0, "SOCO-FRACO-AR", false,
         [](personagem&, personagem& o) { o.anim = "SOFRE-COMBO-AEREO"; }},
        // Air combo: route "BACDAD"; no juggle hit yet (step 0) wants B.
        {"PULAR", 0, "CHUTE-FRACO-AR", true,
         [](personagem& f, personagem& o) {
             o.anim = "SOFRE-COMBO-AEREO", f.airComboStep = 0, f.posY = 1.5;
         }},
        {"PULAR", 0, "SOCO-FRACO-AR", false,
         [](personagem& f, personagem& o) {
             o.anim = "SOFRE-COMBO-AEREO", f.airComboStep = 0, f.posY = 1.5;
         }},
        {"PULAR", 0, "CHUTE-FRACO-AR", false,
         [](personagem& f, personagem& o) {
             o.anim = "SOFRE-COMBO-AEREO", f.airComboStep = 0, f.posY = 1.0;
         }},
    };
    for (const Case& c : cases) {
        twoFighters();
        personagem& f = gs.fighter(1);
        f.anim = c.from;
        f.frame = c.frame;
        f.queuedAnim = "CHUTE-FRACO";
        if (c.setup) c.setup(f, gs.fighter(2));
        const std::string label =
            std::string(c.from) + " " + std::to_string(c.frame) + " -> " + c.request;
        EXPECT_EQ(requestAnimation(1, c.request), c.accepted) << label;
        if (c.accepted) {
            EXPECT_EQ(f.frame, 0) << label;
            EXPECT_TRUE(f.queuedAnim.empty()) << label;
        } else {
            EXPECT_EQ(f.anim, c.from) << label;
            EXPECT_EQ(f.frame, c.frame) << label;
            EXPECT_EQ(f.queuedAnim, "CHUTE-FRACO") << label;
        }
    }
}

TEST(RequestAnimation, JumpsStoreTheirSpeedForTheFacingAndBecomePular) {
    struct Case {
        const char* request;
        const char* facing;
        double velX;
    } cases[] = {{"PULAR-FRENTE", "ESQ", -0.23},
                 {"PULAR-FRENTE", "DIR", 0.23},
                 {"PULAR-TRAS-RAPIDO", "DIR", -0.3},
                 {"PULAR-TRAS-RAPIDO", "ESQ", 0.3},
                 {"PULAR", "ESQ", 0}};
    for (const Case& c : cases) {
        twoFighters();
        personagem& f = gs.fighter(1);
        // Facing follows the opponent's side at acceptance: put the opponent on that side.
        gs.fighter(2).posX = c.facing == std::string("DIR") ? 2 : -6;
        f.posY = 0;
        ASSERT_TRUE(requestAnimation(1, c.request)) << c.request;
        EXPECT_EQ(f.anim, "PULAR");
        EXPECT_EQ(f.facing, c.facing);
        EXPECT_DOUBLE_EQ(f.jumpVelX, c.velX) << c.request << " " << c.facing;
        EXPECT_DOUBLE_EQ(f.jumpVelY, 0.85);
        EXPECT_EQ(f.airborne, 1);
        EXPECT_EQ(gs.soundRequest, 8);
    }
    twoFighters();
    ASSERT_TRUE(requestAnimation(1, "SOCO-FORTE"));
    EXPECT_EQ(gs.soundRequest, 7);
    gs.soundRequest = 0;
    gs.fighter(1).anim = "PARADO";
    ASSERT_TRUE(requestAnimation(1, "AGACHAR"));
    EXPECT_EQ(gs.soundRequest, 0);
}

TEST(FighterOperations, FacingHasADeadBand) {
    struct Case {
        double opponentX;
        const char* before;
        const char* after;
        double rotY;
    } cases[] = {{0.25, "ESQ", "ESQ", -90},
                 {0.35, "ESQ", "DIR", 90},
                 {-0.35, "DIR", "ESQ", -90},
                 {-0.3, "DIR", "DIR", 90}};
    for (const Case& c : cases) {
        twoFighters();
        gs.fighter(1).posX = 0;
        gs.fighter(2).posX = c.opponentX;
        gs.fighter(1).facing = c.before;
        faceOpponent(1);
        EXPECT_EQ(gs.fighter(1).facing, c.after) << c.opponentX;
        EXPECT_EQ(gs.fighter(1).rotY, c.rotY) << c.opponentX;
    }
}

TEST(FighterOperations, KeyframesScaleTheRootAndTheBlendMirrorsIt) {
    twoFighters();
    poseTable[40] = {};
    poseTable[40].root = {200, 400, -100};
    poseTable[40].angleZ[3] = 30;
    poseTable[41] = {};
    poseTable[41].root = {-200, 400, 0};
    poseTable[41].angleZ[3] = 90;
    setKeyframe(1, 40, "INICIAL");
    setKeyframe(1, 41, "FINAL");
    setKeyframe(1, 40, "OUTRO");
    personagem& f = gs.fighter(1);
    EXPECT_EQ(f.keyStart.root[0], 1.0);
    EXPECT_EQ(f.keyStart.root[1], 2.0);
    EXPECT_EQ(f.keyEnd.root[0], -1.0);
    blendKeyframes(1, 25);
    EXPECT_DOUBLE_EQ(f.curPose.root[0], 0.5);
    EXPECT_DOUBLE_EQ(f.curPose.angleZ[3], 45);
    blendKeyframes(1, 150);
    EXPECT_DOUBLE_EQ(f.curPose.angleZ[3], 90);
    f.facing = "ESQ";
    blendKeyframes(1, -5);
    EXPECT_DOUBLE_EQ(f.curPose.root[0], -1.0) << "mirrored";
    EXPECT_DOUBLE_EQ(f.curPose.root[2], -0.5);
}

TEST(FighterOperations, AttackWindowsParseTheirPartsAndTheThirtyFirstIsDropped) {
    twoFighters();
    personagem& f = gs.fighter(1);
    f.anim = "SOCO-FRACO";
    addAttackWindow(1, "CHUTE-FRACO", "09-10", 5, 1, 4, 6, 4, 3, -0.11, 3, "ALTO-1");
    EXPECT_EQ(f.hits[1].damage, 0) << "another animation's window";
    addAttackWindow(1, "SOCO-FRACO", "06-07", 4, 2, 5, 5, 4, 3, -0.11, 3, "ALTO-1");
    EXPECT_EQ(f.hits[1].damage, 5);
    EXPECT_EQ(f.hits[1].hitType, "ALTO-1");
    EXPECT_EQ(f.hits[1].knockback, -0.11);
    for (std::size_t p = 1; p <= 25; ++p)
        EXPECT_EQ(f.hits[1].hitParts[p], p == 6 || p == 7 ? 1 : 0) << p;
    addAttackWindow(1, "SOCO-FRACO", "09-10-12-13", 5, 1, 1, 1, 1, 1, 0, 3, "BAIXO");
    EXPECT_EQ(f.hits[2].hitParts[12], 1);
    EXPECT_EQ(f.hits[2].hitParts[11], 0);
    for (int i = 3; i <= 31; ++i)
        addAttackWindow(1, "SOCO-FRACO", "03", 4, 1, 1, i, 1, 1, 0, 3, "-");
    EXPECT_EQ(f.hits[30].damage, 30);
}

TEST(FighterOperations, ComboScaleStartsAfterTwentySevenTicks) {
    twoFighters();
    personagem& f = gs.fighter(1);
    f.hitCount = 2;
    f.comboTimer = 27;
    comboScale(1);
    EXPECT_EQ(f.comboScale1, 1);
    EXPECT_EQ(f.comboScale2, 1);
    f.comboTimer = 28;
    comboScale(1);
    EXPECT_DOUBLE_EQ(f.comboScale1, 1 / 2.4);
    EXPECT_DOUBLE_EQ(f.comboScale2, 1 / 3.6);
    f.hitCount = 10;
    comboScale(1);
    EXPECT_DOUBLE_EQ(f.comboScale1, 0.2) << "1 / 8 is raised to 0.2";
    EXPECT_DOUBLE_EQ(f.comboScale2, 0.2);
}

TEST(FighterOperations, BodiesPushEachOtherAlongTheFacing) {
    twoFighters();
    for (int i = 1; i <= 2; ++i) {
        gs.fighter(i).bodySolid = 1;
        gs.fighter(i).curPose = {};
        setBodyBox(i, -0.4, 0, -0.3, 0.4, 2, 0.3);
    }
    EXPECT_EQ(gs.fighter(2).bodyBoxMin[0], -0.4);
    gs.fighter(1).posX = 1.0;
    gs.fighter(2).posX = 1.85;
    EXPECT_FALSE(bodiesOverlap());
    moveAlongFacing(1, "FRENTE", 0.3);
    // Against the box of fighter 2 (1.85 - 0.4 - 0.4), which is pushed on by 0.1.
    EXPECT_DOUBLE_EQ(gs.fighter(1).posX, 1.05);
    EXPECT_DOUBLE_EQ(gs.fighter(2).posX, 1.95);
    gs.fighter(1).posX = 1.2;
    EXPECT_TRUE(bodiesOverlap());

    setBodyBox(1, -0.5, 0, -0.3, 0.5, 2, 0.3);
    setBodyBox(2, -0.5, 0, -0.3, 0.5, 2, 0.3);
    gs.fighter(1).posX = 1;
    gs.fighter(2).posX = 2;
    EXPECT_TRUE(bodiesOverlap()) << "touching counts";

    gs.fighter(2).facing = "ESQ";
    setBodyBox(2, -0.2, 0, 0, 0.6, 2, 0.3);
    EXPECT_EQ(gs.fighter(2).bodyBoxMin[0], -0.6);
    EXPECT_EQ(gs.fighter(2).bodyBoxMax[0], 0.2);
    gs.fighter(1).posY = 5;
    EXPECT_FALSE(bodiesOverlap()) << "one above the other";
}
