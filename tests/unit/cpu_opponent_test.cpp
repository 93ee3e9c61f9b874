#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "battle_support.h"
#include "cpu_support.h"
#include "fight/animation.h"
#include "fight/cpu_choices.h"
#include "fight/cpu_weights.h"
#include "fight/fight_hooks.h"
#include "fight/fighter_update.h"
#include "match/battle_scene.h"
#include "shell/rng.h"
#include "shell/state_dump.h"

namespace {

using Names = std::set<std::string>;

const Names allBlows = {"SOCO-FRACO",          "CHUTE-FRACO",          "SOCO-FORTE",
                        "CHUTE-FORTE",         "SOCO-FRACO-AGACHADO",  "CHUTE-FRACO-AGACHADO",
                        "SOCO-FORTE-AGACHADO", "CHUTE-FORTE-AGACHADO", "GOLPE-COMBO-AEREO",
                        "AGARRAR-SOCO",        "AGARRAR-CHUTE",        "VOADORA"};

Names keys(const std::map<std::string, int>& seen) {
    Names n;
    for (const auto& [name, count] : seen) n.insert(name);
    return n;
}

// The share of draws chance(p) lets through: 10 p + 1 of the 1000 values.
double expectedRate(double p) {
    return std::min(1.0, (std::floor(10 * p) + 1) / 1000);
}

} // namespace

TEST(CpuChance, NeverAtZeroAlwaysAtHundredAndFourValuesAtPointThree) {
    seedRandom(11);
    std::set<u32> passed;
    for (int t = 0; t < 100000; ++t) {
        EXPECT_FALSE(chance(0));
        EXPECT_TRUE(chance(100));
        const u32 saved = gs.rngState;
        const u32 draw = random(1000);
        gs.rngState = saved;
        const bool ok = chance(0.3);
        EXPECT_EQ(ok, draw <= 3) << "draw " << draw;
        if (ok) passed.insert(draw);
    }
    EXPECT_EQ(passed, (std::set<u32>{0, 1, 2, 3}));
}

TEST(CpuWeights, EachDifficultySetsItsWeightsPauseAndDamageHandicap) {
    struct Case {
        u8 difficulty;
        std::array<f64, 9> weights; // move guard dodge grab run attack special airCombo item
        f64 pause, own, human;
    } cases[] = {
        {1, {13, 20, 25, 8, 4, 16, 3, 40, 0.3}, 8, 0.9, 1.1},
        {2, {16, 24, 30, 10, 6, 19, 4, 50, 0.6}, 5, 0.95, 1.05},
        {3, {22, 32, 45, 15, 8, 22, 6, 70, 1.0}, 3, 1.0, 1.0},
        {4, {32, 45, 65, 22, 13, 28, 10, 90, 1.4}, 1, 1.05, 0.95},
        {5, {42, 60, 75, 30, 18, 35, 14, 100, 1.8}, 1, 1.1, 0.9},
        {0, {13, 20, 25, 8, 4, 16, 3, 40, 0.3}, 8, 0.9, 1.1}, // never chosen: the easiest
    };
    for (const Case& c : cases) {
        cpuBattle(c.difficulty, 8);
        cpuStep(2);
        EXPECT_EQ(cpu().cpuWeights, c.weights) << "difficulty " << int(c.difficulty);
        EXPECT_EQ(cpu().cpuCooldownReset, c.pause) << "difficulty " << int(c.difficulty);
        EXPECT_DOUBLE_EQ(cpu().damageScale, c.own) << "difficulty " << int(c.difficulty);
        EXPECT_DOUBLE_EQ(person().damageScale, c.human) << "difficulty " << int(c.difficulty);
    }
}

TEST(CpuWeights, AComputerOpponentKeepsItsOwnDamage) {
    cpuBattle(5, 8);
    person().isHuman = 0;
    person().damageScale = 1.0;
    cpuStep(2);
    EXPECT_DOUBLE_EQ(person().damageScale, 1.0);
    cpuStep(1);
    EXPECT_DOUBLE_EQ(person().damageScale, 1.1);
}

// A tool's per-side level plays that side at its own level, outside the game state: set to
// the game's difficulty, or unset, the fight is the game's own, hash for hash.
TEST(CpuWeights, APerSideLevelOverridePlaysThatSideOnlyAndLeavesTheGameAlone) {
    auto fight = [](std::array<u8, 3> levels) {
        cpuBattle(2, 4.0, 11);
        person().isHuman = 0;
        cpuLevelOverride = levels;
        for (int t = 0; t < 400; ++t) battleScene();
        cpuLevelOverride = {};
        return stateHash();
    };
    const std::uint64_t game = fight({});
    EXPECT_EQ(fight({0, 2, 2}), game);
    EXPECT_NE(fight({0, 5, 0}), game);

    cpuBattle(2, 4.0);
    person().isHuman = 0;
    cpuLevelOverride = {0, 5, 0};
    cpuStep(1);
    cpuStep(2);
    cpuLevelOverride = {};
    EXPECT_EQ(person().cpuWeights, cpuLevel(5).weights);
    EXPECT_EQ(cpu().cpuWeights, cpuLevel(2).weights);
    EXPECT_EQ(gs.difficulty, 2);
}

TEST(CpuWeights, IntroInvisibleAndDizzyOpponentsChangeTheWeights) {
    const std::array<f64, 9> base{22, 32, 45, 15, 8, 22, 6, 70, 1.0};
    struct Case {
        const char* what;
        bool intro, invisible, dizzyFoe;
        std::array<f64, 9> factors;
    } cases[] = {
        {"intro", true, false, false, {1, 1, 1, 0, 0, 0, 0, 1, 0}},
        {"invisible", false, true, false, {0.75, 0.75, 0.75, 1, 1, 0.75, 0.75, 1, 1}},
        {"dizzy foe", false, false, true, {2, 1, 1, 1, 1, 1, 2, 1, 1}},
        {"invisible and dizzy", false, true, true, {1.5, 0.75, 0.75, 1, 1, 0.75, 1.5, 1, 1}},
    };
    for (const Case& c : cases) {
        cpuBattle(3, 8);
        gs.introTimer = c.intro ? 50 : 0;
        person().invisible = c.invisible ? 1 : 0;
        if (c.dizzyFoe) person().anim = "TONTO";
        cpuStep(2);
        for (std::size_t w = 0; w < 9; ++w)
            EXPECT_DOUBLE_EQ(cpu().cpuWeights[w], base[w] * c.factors[w])
                << c.what << ", weight " << w;
    }
}

TEST(CpuDecisions, DistanceDecidesWhatItAsksFor) {
    struct Case {
        const char* what;
        f64 distance;
        bool intro;
        Names expected; // each shows up
        Names never;
    } cases[] = {
        {"close: blows of all kinds, backing off",
         1.0,
         false,
         {"SOCO-FRACO", "CHUTE-FRACO", "SOCO-FORTE", "CHUTE-FORTE", "SOCO-FRACO-AGACHADO",
          "CHUTE-FORTE-AGACHADO", "GOLPE-COMBO-AEREO", "ANDAR-TRAS", "PARADO"},
         {"PULAR", "AUMENTAR-PODER", "ANDAR-FRENTE", "CORRIDA", "AGARRAR-SOCO"}},
        {"middle: jumps, closes in, charges",
         4.0,
         false,
         {"PULAR", "ANDAR-FRENTE", "CORRIDA", "AUMENTAR-PODER"},
         allBlows},
        {"far: closes in walking or running, charges",
         8.0,
         false,
         {"ANDAR-FRENTE", "CORRIDA", "AUMENTAR-PODER"},
         [] {
             Names n = allBlows;
             n.insert({"PULAR", "ANDAR-TRAS", "RECUO", "PARADO"});
             return n;
         }()},
        {"intro, close: only walks",
         1.0,
         true,
         {"PARADO", "ANDAR-TRAS"},
         [] {
             Names n = allBlows;
             n.insert({"RECUO", "CORRIDA", "AUMENTAR-PODER"});
             return n;
         }()},
    };
    for (const Case& c : cases) {
        cpuBattle(5, c.distance, 3);
        gs.introTimer = c.intro ? 40 : 0;
        const Names seen = keys(decisions(3000));
        for (const std::string& n : c.expected)
            EXPECT_TRUE(seen.count(n)) << c.what << ": never asked for " << n;
        for (const std::string& n : c.never)
            EXPECT_FALSE(seen.count(n)) << c.what << ": asked for " << n;
    }
}

TEST(CpuDecisions, FacesAndWalksTowardsTheOpponentOnEitherSide) {
    for (f64 side : {1.0, -1.0}) {
        cpuBattle(3, 6 * side);
        cpuStep(2);
        ASSERT_TRUE(cpu().anim == "ANDAR-FRENTE" || cpu().anim == "CORRIDA") << side;
        EXPECT_EQ(std::string(cpu().facing.view()), side > 0 ? "ESQ" : "DIR");
        const f64 before = std::abs(cpu().posX - person().posX);
        for (int t = 0; t < 5; ++t) updateFighter(2);
        EXPECT_LT(std::abs(cpu().posX - person().posX), before) << side;
    }
}

TEST(CpuGuard, GuardsHighOrLowByTheBlowAsOftenAsTheDifficultySays) {
    struct Case {
        u8 difficulty;
        const char* hitType;
        bool windowOpen;
        const char* guard;
        f64 weight;
    } cases[] = {
        {5, "ALTO-1", true, "DEFESA-ALTA", 60},
        {5, "ALTO-4", true, "DEFESA-ALTA", 60},
        {5, "ALTO-DERRUBA", true, "DEFESA-ALTA", 60},
        {5, "VOADORA", true, "DEFESA-ALTA", 60},
        {5, "BAIXO", true, "DEFESA-BAIXA", 60},
        {5, "BAIXO-DERRUBA", true, "DEFESA-BAIXA", 60},
        {5, "ALTO-1", false, "DEFESA-BAIXA", 60}, // winding up: no known height yet
        {1, "ALTO-2", true, "DEFESA-ALTA", 20},
        {3, "BAIXO", true, "DEFESA-BAIXA", 32},
    };
    const int trials = 4000;
    for (const Case& c : cases) {
        cpuBattle(c.difficulty, 2.5, 5);
        gs.fighterGap = 0.9; // the blow reaches: the top levels let one that cannot pass
        personAttacks(c.hitType, c.windowOpen);
        const auto seen = decisions(trials);
        const std::string other =
            std::string(c.guard) == "DEFESA-ALTA" ? "DEFESA-BAIXA" : "DEFESA-ALTA";
        EXPECT_EQ(seen.count(other), 0u) << c.hitType;
        const double rate = seen.count(c.guard) ? seen.at(c.guard) / double(trials) : 0;
        EXPECT_NEAR(rate, expectedRate(c.weight), 0.025)
            << "difficulty " << int(c.difficulty) << ", " << c.hitType;
        for (const auto& [name, n] : seen)
            EXPECT_FALSE(allBlows.count(name)) << "attacked while threatened: " << name;
    }
}

TEST(CpuGuard, NoLiveWindowOrNoAttackMeansNoGuard) {
    struct Case {
        const char* what;
        u8 attacking;
        f64 damage;
    } cases[] = {{"spent window", 1, 0}, {"not attacking", 0, 5}};
    for (const Case& c : cases) {
        cpuBattle(5, 2.5);
        personAttacks("ALTO-1");
        person().attacking = c.attacking;
        person().hits[1].damage = c.damage;
        const auto seen = decisions(1000);
        EXPECT_EQ(seen.count("DEFESA-ALTA") + seen.count("DEFESA-BAIXA"), 0u) << c.what;
    }
}

TEST(CpuGuard, AGuardingComputerKeepsGuardingWithTwiceTheWeight) {
    cpuBattle(2, 2.5);
    personAttacks("ALTO-1");
    cpu().anim = "DEFESA-ALTA";
    cpuStep(2);
    EXPECT_EQ(cpu().cpuWeights[static_cast<std::size_t>(CpuWeight::guard)], 48);
    EXPECT_EQ(cpu().cpuMayAttack, 0) << "a guard against a live window holds back attacks";
}

TEST(CpuCooldown, CountsDownOnlyWhenFreeAndBlocksAttacks) {
    struct Case {
        const char* what;
        f64 start;
        u8 attacking, frozen, crouchLock;
        f64 posY;
        f64 after;
    } cases[] = {
        {"counts down", 3, 0, 0, 0, 0, 2},
        {"not below 0", 0.5, 0, 0, 0, 0, 0},
        {"held while attacking", 3, 1, 0, 0, 0, 3},
        {"held while the world is frozen", 3, 0, 1, 0, 0, 3},
        {"a crouch lock on the ground restarts it, then it counts", 0, 0, 0, 2, 0, 0},
        {"a crouch lock in the air does not", 0, 0, 0, 2, 1.5, 0},
    };
    for (const Case& c : cases) {
        cpuBattle(1, 8); // pause 8, far away: no new attack decision
        cpu().cpuCooldown = c.start;
        cpu().attacking = c.attacking;
        gs.worldFrozen = c.frozen;
        cpu().crouchLock = c.crouchLock;
        cpu().posY = c.posY;
        cpuStep(2);
        const f64 expected = c.crouchLock > 0 && c.posY == 0 ? 7 : c.after;
        EXPECT_DOUBLE_EQ(cpu().cpuCooldown, expected) << c.what;
    }

    // With a pause left nothing is struck, however close.
    cpuBattle(5, 1.0, 9);
    cpu().cpuCooldown = 2;
    for (const auto& [name, n] : decisions(3000)) EXPECT_FALSE(allBlows.count(name)) << name;
}

TEST(CpuCooldown, AnAttackDecisionStartsThePause) {
    cpuBattle(4, 1.0, 21);
    int attacks = 0;
    for (int t = 0; t < 400 && attacks == 0; ++t) {
        cpu().anim = "PARADO";
        cpu().cpuCooldown = 0;
        cpuStep(2);
        if (allBlows.count(std::string(cpu().anim.view()))) {
            ++attacks;
            EXPECT_EQ(cpu().cpuCooldown, 1);
        }
    }
    EXPECT_GT(attacks, 0);
}

TEST(CpuAttacks, WeakBlowsChainIntoTheirFollowUps) {
    struct Case {
        const char* anim;
        Names queued; // each shows up, nothing else (empty = no chain)
    } cases[] = {
        {"SOCO-FRACO", {"", "CHUTE-FRACO", "SOCO-FORTE"}},
        {"CHUTE-FRACO", {"", "CHUTE-FORTE"}},
        {"SOCO-FRACO-AGACHADO", {"", "CHUTE-FRACO-AGACHADO", "SOCO-FORTE-AGACHADO"}},
        {"CHUTE-FRACO-AGACHADO", {"", "CHUTE-FORTE-AGACHADO"}},
        {"SOCO-FORTE", {""}},
    };
    for (const Case& c : cases) {
        cpuBattle(5, 1.0, 4);
        cpu().anim = c.anim;
        cpu().frame = 6;
        cpu().frameCount = 20;
        const GameState start = gs;
        Names seen;
        for (int t = 0; t < 1000; ++t) {
            const u32 rng = gs.rngState;
            gs = start;
            gs.rngState = rng;
            cpuStep(2);
            EXPECT_EQ(std::string(cpu().anim.view()), c.anim) << "a blow runs on";
            seen.insert(std::string(cpu().queuedAnim.view()));
        }
        EXPECT_EQ(seen, c.queued) << c.anim;
    }
}

TEST(CpuAttacks, AirComboFollowsTheRouteFirstBlowAlways) {
    struct Case {
        u8 difficulty;
        u8 step;
        f64 foeFrame, height;
        const char* blow; // empty: never continues
        f64 rate;
    } cases[] = {
        // SEU BRANDOLIM's route is "ADBCAD".
        {1, 0, 10, 1.5, "SOCO-FRACO-AR", 1.0},
        {1, 1, 10, 1.5, "CHUTE-FORTE-AR", 0.401},
        {4, 2, 10, 1.5, "CHUTE-FRACO-AR", 0.901},
        {5, 3, 10, 1.5, "SOCO-FORTE-AR", 1.0},
        {5, 0, 9, 1.5, "", 0},
        {5, 0, 10, 1.2, "", 0},
    };
    for (const Case& c : cases) {
        cpuBattle(c.difficulty, 1.0, 8);
        person().anim = "SOFRE-COMBO-AEREO";
        person().frame = c.foeFrame;
        person().posY = 1.5;
        cpu().anim = "PULAR";
        cpu().frame = 7;
        cpu().posY = c.height;
        cpu().airborne = 1;
        cpu().airComboStep = c.step;
        const auto seen = decisions(2000);
        const double rate = *c.blow && seen.count(c.blow) ? seen.at(c.blow) / 2000.0 : 0;
        EXPECT_NEAR(rate, c.rate, 0.03) << "step " << int(c.step);
        for (const auto& [name, n] : seen) EXPECT_TRUE(name == c.blow || name == "PULAR") << name;
    }
}

TEST(CpuDizzy, HarderLevelsShakeItOffFaster) {
    struct Case {
        u8 difficulty;
        f64 extra;
        f64 pause;
    } cases[] = {{1, 0, 8}, {2, 0.2, 5}, {3, 0.6, 3}, {4, 1.2, 1}, {5, 1.6, 1}};
    for (const Case& c : cases) {
        cpuBattle(c.difficulty, 3.0);
        cpu().anim = "TONTO";
        cpu().frame = 10;
        cpuStep(2);
        EXPECT_EQ(std::string(cpu().anim.view()), "TONTO");
        EXPECT_DOUBLE_EQ(cpu().frame, 10 + c.extra) << int(c.difficulty);
        EXPECT_EQ(cpu().cpuCooldown, c.pause) << int(c.difficulty);
    }
}

TEST(CpuDizzy, AtTheHardestLevelTontoEndsInAboutTwentyNineTicks) {
    cpuBattle(5, 3.0);
    cpu().anim = "TONTO";
    cpu().frame = 0;
    cpu().frameCount = 75;
    int ticks = 0;
    while (cpu().anim == "TONTO" && ticks < 200) {
        cpuStep(2);
        updateFighter(2);
        ++ticks;
    }
    EXPECT_GE(ticks, 28);
    EXPECT_LE(ticks, 30);
}

TEST(CpuItems, UsesACarriedItemWhenDistanceAndVitalityFit) {
    struct Case {
        u8 kind;
        f64 distance, life;
        u8 stocks;
        bool objectNear;
        const char* use; // the animation, empty = never
    } cases[] = {
        {1, 3.5, 80, 0, false, "JOGAR-ITEM"}, {1, 2.5, 80, 0, false, ""},
        {1, 3.5, 20, 0, false, ""},           {2, 2.0, 40, 0, false, "USAR-ITEM"},
        {2, 2.0, 41, 0, false, ""},           {2, 1.5, 30, 0, false, ""},
        {3, 2.5, 80, 1, false, "USAR-ITEM"},  {3, 2.5, 80, 2, false, ""},
        {4, 2.0, 10, 0, false, "USAR-ITEM"},  {5, 2.5, 25, 0, false, "USAR-ITEM"},
        {6, 3.5, 80, 0, false, "JOGAR-ITEM"}, {2, 2.0, 30, 0, true, ""},
    };
    for (const Case& c : cases) {
        cpuBattle(5, c.distance, 6);
        cpu().items = {0, 0, c.kind, 0, 0};
        cpu().life = c.life;
        cpu().stocks = c.stocks;
        if (c.objectNear) {
            objeto& o = gs.objectPool[1];
            o.kind = 20;
            o.harmful = 1;
            o.owner = 1;
            o.x = -30; // far off: it only has to exist
        }
        const auto seen = decisions(3000);
        const bool used = seen.count("USAR-ITEM") || seen.count("JOGAR-ITEM");
        if (*c.use) {
            EXPECT_TRUE(seen.count(c.use)) << "kind " << int(c.kind) << " at " << c.distance;
        } else {
            EXPECT_FALSE(used) << "kind " << int(c.kind) << " at " << c.distance;
        }
    }
    // Without the item nothing is used.
    cpuBattle(5, 3.5, 6);
    cpu().items = {};
    const auto seen = decisions(3000);
    EXPECT_EQ(seen.count("USAR-ITEM") + seen.count("JOGAR-ITEM"), 0u);
}

TEST(CpuSpecials, EachCharacterChoosesByDistanceHeightAndObjects) {
    struct Case {
        u8 character;
        f64 distance, height;
        bool objectNear, foeIntangible, mayAttack;
        Names moves; // base names that show up, and no others
    } cases[] = {
        {1, 4.0, 0, false, false, true, {"GOLPE-PROJETIL", "SUPER-GOLPE-PROJETIL"}},
        {1,
         1.2,
         0,
         false,
         false,
         true,
         {"GOLPE-ANTI-AEREO", "GOLPE-EXPLOSAO", "GOLPE-CURTA-DISTANCIA", "SUPER-GOLPE-PROJETIL",
          "SUPER-GOLPE-CURTA-DISTANCIA"}},
        {1, 1.2, 0, false, true, true, {}},
        {1, 4.0, 0, true, false, true, {"SUPER-GOLPE-PROJETIL"}},
        {1, 2.8, 2.0, false, false, true, {"GOLPE-AEREO", "SUPER-GOLPE-PROJETIL"}},
        {1, 2.0, 0, false, false, false, {}},
        {2, 4.0, 0, false, false, true, {}},
        {2,
         2.0,
         0,
         false,
         false,
         true,
         {"GOLPE-PROJETIL", "GOLPE-EXPLOSAO", "SUPER-GOLPE-CURTA-DISTANCIA",
          "SUPER-GOLPE-SEQUENCIA"}},
        {2, 3.5, 0, false, false, true, {"SUPER-GOLPE-SEQUENCIA"}},
        {2, 1.0, 0, true, false, true, {"SUPER-GOLPE-CURTA-DISTANCIA"}},
        {2,
         0.8,
         1.9,
         false,
         false,
         true,
         {"GOLPE-PROJETIL", "GOLPE-ANTI-AEREO", "GOLPE-CURTA-DISTANCIA", "GOLPE-EXPLOSAO",
          "GOLPE-AEREO", "SUPER-GOLPE-CURTA-DISTANCIA"}},
    };
    for (const Case& c : cases) {
        cpuBattle(5, c.distance, 12);
        personagem& f = cpu();
        f.character = c.character;
        f.cpuWeights[static_cast<std::size_t>(CpuWeight::special)] = 14;
        f.cpuDistance = c.distance;
        f.posY = c.height;
        f.cpuObjectNear = c.objectNear ? 1 : 0;
        f.cpuFoeIntangible = c.foeIntangible ? 1 : 0;
        f.cpuMayAttack = c.mayAttack ? 1 : 0;
        Names moves;
        Names versions;
        for (int t = 0; t < 4000; ++t) {
            const CpuSpecialPicks picks = cpuChooseSpecials(2);
            for (int k = 0; k < picks.count; ++k) {
                const std::string name(picks.names[static_cast<std::size_t>(k)]);
                const auto dash = name.rfind('-');
                moves.insert(name.substr(0, dash));
                versions.insert(name.substr(dash + 1));
            }
        }
        EXPECT_EQ(moves, c.moves) << "character " << int(c.character) << " at " << c.distance;
        if (!c.moves.empty()) {
            EXPECT_EQ(versions, (Names{"FORTE", "FRACO"}));
        }
    }
}

TEST(CpuSpecials, ChooserDrawsAtTheSpecialWeight) {
    cpuBattle(5, 4.0, 13);
    personagem& f = cpu();
    f.character = 1;
    f.cpuDistance = 4.0;
    f.cpuMayAttack = 1;
    f.cpuWeights[static_cast<std::size_t>(CpuWeight::special)] = 10;
    int projectiles = 0;
    const int trials = 20000;
    for (int t = 0; t < trials; ++t) {
        const CpuSpecialPicks picks = cpuChooseSpecials(2);
        for (int k = 0; k < picks.count; ++k)
            if (picks.names[static_cast<std::size_t>(k)].starts_with("GOLPE-PROJETIL"))
                ++projectiles;
    }
    EXPECT_NEAR(projectiles / double(trials), expectedRate(10), 0.01);
}

TEST(CpuDeterminism, TheSameSeedGivesTheSameFightAnotherSeedAnother) {
    auto fight = [](u32 seed) {
        cpuBattle(3, 4.0, seed);
        person().posX = -2;
        cpu().posX = 2;
        std::vector<std::string> trail;
        for (int t = 0; t < 600; ++t) {
            battleScene();
            trail.push_back(std::string(cpu().anim.view()) + " " + std::to_string(cpu().posX) +
                            " " + std::to_string(person().life));
        }
        return trail;
    };
    const auto a = fight(17);
    const auto b = fight(17);
    const auto c = fight(18);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(CpuFight, BeatsAnIdlePlayerWithoutJitteringOrWalkingOff) {
    cpuBattle(3, 4.0, 3);
    person().posX = -2;
    cpu().posX = 2;
    f64 closest = 99;
    f64 lowestLife = 100;
    Names anims;
    int flips = 0, longestFlipRun = 0;
    std::string prev2, prev1;
    for (int t = 0; t < 3000 && cpu().roundsWon == 0; ++t) {
        battleScene();
        closest = std::min(closest, std::abs(cpu().posX - person().posX));
        lowestLife = std::min(lowestLife, person().life);
        const std::string now(cpu().anim.view());
        anims.insert(now);
        // A-B-A on consecutive ticks: the computer undoes its own choice at once.
        flips = (now == prev2 && now != prev1) ? flips + 1 : 0;
        longestFlipRun = std::max(longestFlipRun, flips);
        prev2 = prev1;
        prev1 = now;
        EXPECT_GE(cpu().posX, gs.arenaLimitX1 - 0.5);
        EXPECT_LE(cpu().posX, gs.arenaLimitX2 + 0.5);
    }
    EXPECT_LT(closest, 1.8) << "it closes in";
    EXPECT_LT(lowestLife, 100) << "its blows land";
    EXPECT_EQ(cpu().roundsWon, 1) << "it wins the round";
    EXPECT_EQ(cpu().life, 100) << "an idle player never hurts it";
    EXPECT_GE(anims.size(), 6u);
    EXPECT_LT(longestFlipRun, 4) << "no jitter between two animations";
}
