// Seu Brandolim's specials and supers: what each may start from and what refuses it, the
// super's stocks and flash, the windows each opens, its key poses, the objects it leaves,
// and, on the real battle tick against an idle opponent in front, that each one connects
// (the flurry and the dash turning into their follow-ups).
#include <string>

#include "battle_support.h"
#include "fight/animation.h"
#include "fight/fight_hooks.h"
#include "fight/objects.h"
#include "fighter_update_support.h"
#include "match/battle_scene.h"

namespace {

using BrandolimSpecials = FighterTest;

int windowsOf(const personagem& f) {
    int n = 0;
    for (const Acertos& a : f.hits) n += a.damage != 0 ? 1 : 0;
    return n;
}

} // namespace

// Fighter 2 is Seu Brandolim. Each case puts him in a state and asks for a move.
TEST_F(BrandolimSpecials, StartRules) {
    struct Case {
        const char* doing;
        double frame;
        int actionLock, crouchLock, stocks;
        bool ownBlast;
        const char* move;
        bool accepted;
    } cases[] = {
        {"PARADO", 5, 0, 0, 0, false, "GOLPE-PROJETIL-FRACO", true},
        {"CORRIDA", 5, 0, 0, 0, false, "GOLPE-PROJETIL-FORTE", true},
        {"DEFESA-BAIXA", 5, 0, 0, 0, false, "GOLPE-PROJETIL-FRACO", true},
        {"SOCO-FORTE-AGACHADO", 1, 0, 0, 0, false, "GOLPE-PROJETIL-FRACO", true},
        {"SOCO-FRACO", 2, 0, 0, 0, false, "GOLPE-PROJETIL-FRACO", false},
        {"CHUTE-FRACO", 0, 0, 0, 0, false, "GOLPE-PROJETIL-FRACO", false},
        {"PARADO", 5, 0, 0, 0, true, "GOLPE-PROJETIL-FRACO", false},
        {"PARADO", 5, 0, 1, 0, false, "GOLPE-PROJETIL-FRACO", false},
        {"LEVANTAR", 12, 0, 0, 0, false, "GOLPE-PROJETIL-FRACO", false},
        {"PARADO", 5, 0, 1, 0, false, "GOLPE-ANTI-AEREO-FORTE", true},
        {"PARADO", 5, 0, 2, 0, false, "GOLPE-ANTI-AEREO-FORTE", false},
        {"PARADO", 5, 1, 0, 0, false, "GOLPE-ANTI-AEREO-FRACO", false},
        {"LEVANTAR", 12, 0, 0, 0, false, "GOLPE-ANTI-AEREO-FRACO", true},
        {"LEVANTAR", 11, 0, 0, 0, false, "GOLPE-ANTI-AEREO-FRACO", false},
        {"RECUO", 3, 0, 0, 0, false, "GOLPE-CURTA-DISTANCIA-FRACO", true},
        {"PULAR", 3, 0, 0, 0, false, "GOLPE-CURTA-DISTANCIA-FRACO", false},
        {"PARADO", 5, 0, 0, 1, false, "SUPER-GOLPE-CURTA-DISTANCIA-FRACO", true},
        {"PARADO", 5, 0, 0, 0, false, "SUPER-GOLPE-CURTA-DISTANCIA-FRACO", false},
        {"PARADO", 5, 0, 0, 1, false, "SUPER-GOLPE-CURTA-DISTANCIA-FORTE", false},
        {"AGACHAR", 5, 0, 0, 2, false, "SUPER-GOLPE-CURTA-DISTANCIA-FORTE", true},
        {"PARADO", 5, 0, 1, 2, false, "SUPER-GOLPE-SEQUENCIA-FRACO", false},
        {"SOCO-FRACO", 0, 0, 0, 2, false, "SUPER-GOLPE-SEQUENCIA-FORTE", true},
        {"PARADO", 5, 0, 0, 0, false, "GOLPE-CURTA-DISTANCIA-ACERTANDO", false},
        {"GOLPE-CURTA-DISTANCIA-FORTE", 9, 0, 5, 0, false, "GOLPE-CURTA-DISTANCIA-ACERTANDO", true},
        {"PARADO", 5, 0, 0, 3, false, "SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO", false},
        {"SUPER-GOLPE-SEQUENCIA-FRACO", 14, 0, 0, 0, false, "SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO",
         true},
        {"SUPER-GOLPE-SEQUENCIA-FORTE", 14, 0, 0, 0, false, "SUPER-GOLPE-SEQUENCIA-ACERTANDO-FORTE",
         true},
        {"LEVANTAR", 12, 0, 1, 0, false, "GOLPE-EXPLOSAO-FORTE", true},
        {"PARADO", 5, 0, 2, 0, false, "GOLPE-EXPLOSAO-FRACO", false},
        {"PULAR", 9, 0, 3, 0, false, "GOLPE-AEREO-FRACO", true},
        {"SOCO-FORTE-AR", 6, 0, 0, 0, false, "GOLPE-AEREO-FORTE", true},
        {"PULAR", 9, 1, 0, 0, false, "GOLPE-AEREO-FRACO", false},
        {"PARADO", 5, 0, 0, 0, false, "GOLPE-AEREO-FRACO", false},
        {"PULAR", 9, 0, 0, 0, false, "GOLPE-AEREO-ACERTANDO", false},
        {"GOLPE-AEREO-FRACO", 9, 0, 4, 0, false, "GOLPE-AEREO-ACERTANDO", true},
        {"PARADO", 5, 0, 0, 2, false, "GOLPE-DESCONHECIDO", false},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = two();
        f.anim = c.doing;
        f.frame = c.frame;
        f.actionLock = static_cast<u8>(c.actionLock);
        f.crouchLock = static_cast<u8>(c.crouchLock);
        f.stocks = static_cast<u8>(c.stocks);
        f.queuedAnim = "SOCO-FRACO";
        if (c.ownBlast) spawnObject(41, "-", objectWhite, 0, 2, 0, 1.7, 1.4, 180, 2);
        startSpecialMove(2, c.move);
        const std::string what = std::string(c.move) + " from " + c.doing;
        EXPECT_EQ(f.anim == (c.accepted ? c.move : c.doing), true) << what;
        if (!c.accepted) {
            EXPECT_EQ(gs.effectTimers[3], 0) << what;
            continue;
        }
        EXPECT_EQ(f.frame, 0) << what;
        EXPECT_EQ(f.queuedAnim, "") << what;
        const bool super = std::string_view(c.move).starts_with("SUPER-") &&
                           std::string_view(c.move).find("ACERTANDO") == std::string_view::npos;
        // Only the two supers spend stocks and flash; the beatings are paid for by the dash.
        EXPECT_EQ(gs.effectTimers[3], super ? 13 : 0) << what;
        EXPECT_EQ(f.stocksToSpend,
                  super ? (std::string_view(c.move).ends_with("FORTE") ? 2 : 1) : 0)
            << what;
        if (super) {
            EXPECT_EQ(gs.superOwner, 2) << what;
            EXPECT_EQ(gs.soundRequest, 13) << what;
        }
    }
}

// The windows a started move holds: how many, and the first and last of them.
TEST_F(BrandolimSpecials, StartedMovesHoldTheirWindows) {
    struct Case {
        const char* doing;
        const char* move;
        int count;
        double firstFrom, firstTo, firstDamage;
        double lastFrom, lastTo, lastDamage;
        const char* lastLevel;
    } cases[] = {
        {"PARADO", "GOLPE-PROJETIL-FRACO", 0, 0, 0, 0, 0, 0, 0, ""},
        {"PARADO", "GOLPE-ANTI-AEREO-FORTE", 1, 2, 10, 12, 2, 10, 12, "ALTO-DERRUBA"},
        {"PARADO", "GOLPE-CURTA-DISTANCIA-FRACO", 5, 2, 4, 5, 22, 24, 5, "ALTO-1"},
        {"GOLPE-CURTA-DISTANCIA-FRACO", "GOLPE-CURTA-DISTANCIA-ACERTANDO", 8, 2, 4, 1, 37, 39, 2,
         "ALTO-DERRUBA"},
        {"PARADO", "GOLPE-EXPLOSAO-FRACO", 4, 4, 5, 3, 17, 22, 6, "ALTO-DERRUBA"},
        {"PULAR", "GOLPE-AEREO-FORTE", 1, 3, 25, 4, 3, 25, 4, "ALTO-1"},
        {"GOLPE-AEREO-FORTE", "GOLPE-AEREO-ACERTANDO", 5, 2, 4, 1, 25, 32, 5, "ALTO-DERRUBA"},
        {"PARADO", "SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 6, 5, 6, 3, 24, 25, 5, "ALTO-DERRUBA"},
        {"PARADO", "SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 9, 5, 6, 3, 39, 40, 6, "ALTO-DERRUBA"},
        {"PARADO", "SUPER-GOLPE-SEQUENCIA-FORTE", 1, 12, 22, 2, 12, 22, 2, "ALTO-1"},
        {"SUPER-GOLPE-SEQUENCIA-FRACO", "SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO", 10, 0, 4, 1, 36,
         40, 3, "ALTO-1"},
        {"SUPER-GOLPE-SEQUENCIA-FORTE", "SUPER-GOLPE-SEQUENCIA-ACERTANDO-FORTE", 20, 0, 4, 1, 76,
         80, 1, "ALTO-1"},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = two();
        f.anim = c.doing;
        f.stocks = 2;
        f.hits[1].damage = 99; // anything left over is freed
        startSpecialMove(2, c.move);
        ASSERT_EQ(f.anim, c.move);
        const std::string what = c.move;
        ASSERT_EQ(windowsOf(f), c.count) << what;
        if (c.count == 0) continue;
        const Acertos& first = f.hits[1];
        const Acertos& last = f.hits[static_cast<std::size_t>(c.count)];
        EXPECT_EQ(first.firstFrame, c.firstFrom) << what;
        EXPECT_EQ(first.lastFrame, c.firstTo) << what;
        EXPECT_EQ(first.damage, c.firstDamage) << what;
        EXPECT_EQ(last.firstFrame, c.lastFrom) << what;
        EXPECT_EQ(last.lastFrame, c.lastTo) << what;
        EXPECT_EQ(last.damage, c.lastDamage) << what;
        EXPECT_EQ(last.hitType, c.lastLevel) << what;
        EXPECT_EQ(last.hitSound, 6) << what;
    }
}

// Key poses (absolute numbers) and blend at chosen frames.
TEST_F(BrandolimSpecials, KeyPoses) {
    struct Case {
        const char* anim;
        double frame;
        long start, end;
        double blend;
    } cases[] = {
        {"GOLPE-PROJETIL-FRACO", 3, 187, 188, 3 * 14.28},
        {"GOLPE-PROJETIL-FORTE", 9, 188, 189, 50},
        {"GOLPE-PROJETIL-FRACO", 12, 189, 188, 33.33},
        {"GOLPE-PROJETIL-FRACO", 18, 188, 187, 3 * 14.28},
        {"GOLPE-ANTI-AEREO-FRACO", 4, 190, 191, 4 * 14.28},
        {"GOLPE-ANTI-AEREO-FORTE", 9, 190, 191, 100},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 3, 192, 193, 99},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 20, 192, 194, 0}, // -33, held at 0 by the update
        {"GOLPE-CURTA-DISTANCIA-FORTE", 12, 192, 195, 33},
        {"GOLPE-CURTA-DISTANCIA-ACERTANDO", 22, 192, 194, 33},
        {"GOLPE-EXPLOSAO-FRACO", 1, 196, -1, 0},
        {"GOLPE-EXPLOSAO-FRACO", 6, 197, 198, 66},
        {"GOLPE-EXPLOSAO-FORTE", 14, 197, 196, 66},
        {"GOLPE-EXPLOSAO-FORTE", 18, 190, 191, 60},
        {"GOLPE-AEREO-FRACO", 5, 199, -1, 0},
        {"GOLPE-AEREO-ACERTANDO", 7, 200, 202, 50},
        {"GOLPE-AEREO-ACERTANDO", 23, 203, 204, 33.33},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 2, 190, -1, 0},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 8, 190, 191, 50},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 15, 191, 190, 20},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 30, 191, 190, 20},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 35, 190, 191, 20},
        {"SUPER-GOLPE-SEQUENCIA-FRACO", 5, 205, -1, 0},
        {"SUPER-GOLPE-SEQUENCIA-FRACO", 12, 205, 206, 40},
        {"SUPER-GOLPE-SEQUENCIA-FORTE", 22, 206, 169, 40},
        {"SUPER-GOLPE-SEQUENCIA-FORTE", 27, 169, 110, 40},
        {"SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO", 13, 144, 145, 50},
        {"SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO", 38, 144, 145, 100},
        {"SUPER-GOLPE-SEQUENCIA-ACERTANDO-FORTE", 45, 142, 143, 50},
    };
    for (const Case& c : cases) {
        SetUp();
        const personagem& f = playFrame(2, c.anim, c.frame);
        const std::string what = std::string(c.anim) + " frame " + std::to_string(c.frame);
        expectKeys(f, c.start, c.end, c.blend, what);
        EXPECT_EQ(f.attacking, 1) << what;
        EXPECT_EQ(f.crouching, 0) << what;
    }
}

// Power comes at frame 4 of the specials only.
TEST_F(BrandolimSpecials, PowerAtFrameFourOfTheSpecialsOnly) {
    struct Case {
        const char* anim;
        double power;
    } cases[] = {
        {"GOLPE-PROJETIL-FRACO", 6},        {"GOLPE-ANTI-AEREO-FORTE", 6},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 6}, {"GOLPE-CURTA-DISTANCIA-ACERTANDO", 0},
        {"GOLPE-EXPLOSAO-FORTE", 6},        {"GOLPE-AEREO-FRACO", 6},
        {"GOLPE-AEREO-ACERTANDO", 0},       {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 0},
        {"SUPER-GOLPE-SEQUENCIA-FORTE", 0},
    };
    for (const Case& c : cases) {
        SetUp();
        two().power = 10;
        playFrame(2, c.anim, 4);
        EXPECT_NEAR(two().power, 10 + c.power, 1e-9) << c.anim;
    }
}

// The objects a frame leaves: the blast (facing "ESQ", so to his left), the kick-up dust,
// the charge's dust.
TEST_F(BrandolimSpecials, SpawnedObjects) {
    struct Case {
        const char* anim;
        double frame;
        int kind, count;
        double dx; // x of the first one from the fighter's
        int owner;
    } cases[] = {
        {"GOLPE-PROJETIL-FORTE", 8, 41, 1, -2.2, 2},
        {"GOLPE-PROJETIL-FORTE", 7, 41, 0, 0, 0},
        {"GOLPE-ANTI-AEREO-FRACO", 2, 5, 1, 0.75, 0},
        {"GOLPE-EXPLOSAO-FRACO", 16, 5, 1, 0.75 + 0.16, 0},       // where he sprang from
        {"SUPER-GOLPE-SEQUENCIA-FRACO", 10, 5, 1, 0.75 + 0.6, 0}, // where he sprang from
    };
    for (const Case& c : cases) {
        SetUp();
        const personagem& f = playFrame(2, c.anim, c.frame);
        const std::string what = std::string(c.anim) + " frame " + std::to_string(c.frame);
        ASSERT_EQ(objectsOfKind(c.kind), c.count) << what;
        for (const auto& o : gs.objectPool) {
            if (o.kind != c.kind) continue;
            EXPECT_NEAR(o.x - f.posX, c.dx, 1e-9) << what;
            EXPECT_EQ(o.owner, c.owner) << what;
            break;
        }
    }
    SetUp();
    playFrame(2, "GOLPE-PROJETIL-FRACO", 8);
    EXPECT_EQ(gs.soundRequest, 27);
    for (const auto& o : gs.objectPool)
        if (o.kind == 41) {
            EXPECT_EQ(o.angle, 180);
            EXPECT_NEAR(o.y, 2.0, 1e-9);
        }
}

namespace {

// Seu Brandolim as fighter 1, an idle TORVEL as fighter 2 `gap` in front of him, after two
// battle ticks; he has two stocks.
void facingTorvel(double gap) {
    freshBattle();
    registerFighter(1, 2, fighterRoster);
    registerFighter(2, 1, fighterRoster);
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
        gs.fighter(i).isHuman = 1;
    }
    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    gs.fighter(1).posX = middle - gap / 2;
    gs.fighter(2).posX = middle + gap / 2;
    battleScene();
    battleScene();
    gs.fighter(1).stocks = 2;
}

} // namespace

// On the real battle tick each move hurts an idle opponent in front; the flurry and the
// dash and the diving kick turn into their follow-ups, and the beating ends in the uppercut.
TEST(BrandolimSpecialsInBattle, EachMoveConnects) {
    struct Case {
        const char* move;
        double gap;
        const char* followUp; // seen on the way, or null
        double height;        // he starts from a jump this high
    } cases[] = {
        {"GOLPE-PROJETIL-FRACO", 2.5, nullptr, 0},
        {"GOLPE-ANTI-AEREO-FORTE", 1.1, nullptr, 0},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 1.1, "GOLPE-CURTA-DISTANCIA-ACERTANDO", 0},
        {"GOLPE-EXPLOSAO-FRACO", 2.5, nullptr, 0},
        {"GOLPE-AEREO-FORTE", 2.0, "GOLPE-AEREO-ACERTANDO", 1.6},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 2.0, nullptr, 0},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 2.0, nullptr, 0},
        {"SUPER-GOLPE-SEQUENCIA-FRACO", 4.0, "SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO", 0},
        {"SUPER-GOLPE-SEQUENCIA-FORTE", 4.0, "SUPER-GOLPE-SEQUENCIA-ACERTANDO-FORTE", 0},
    };
    for (const Case& c : cases) {
        facingTorvel(c.gap);
        if (c.height > 0) {
            gs.fighter(1).anim = "PULAR";
            gs.fighter(1).posY = c.height;
        }
        startSpecialMove(1, c.move);
        ASSERT_EQ(gs.fighter(1).anim, c.move);
        const personagem& a = gs.fighter(1);
        const personagem& v = gs.fighter(2);
        bool followed = false, uppercut = false;
        for (int tick = 0; tick < 200 && !(tick > 5 && a.anim == "PARADO"); ++tick) {
            battleScene();
            followed = followed || (c.followUp && a.anim == c.followUp);
            uppercut = uppercut || (followed && a.anim.view().starts_with("GOLPE-ANTI-AEREO"));
        }
        EXPECT_LT(v.life, 100) << c.move;
        if (c.followUp) {
            EXPECT_TRUE(followed) << c.move;
            if (std::string_view(c.move).starts_with("SUPER-GOLPE-SEQUENCIA")) {
                EXPECT_TRUE(uppercut) << c.move;
            }
        }
    }
}
