// The training battle: no clock and no knock-out, the dummy's refill after resting, the
// power refill, the dummy's actions and guards, and putting the fighters back in place.
#include <gtest/gtest.h>

#include <string>

#include "app/key_events.h"
#include "battle_support.h"
#include "fight/cpu_weights.h"
#include "fight/training_room.h"
#include "held_input.h"
#include "match/battle_scene.h"

namespace {

personagem& player() {
    return gs.fighter(1);
}
personagem& dummy() {
    return gs.fighter(2);
}

// A battle in training, in the fight phase: player 1 human with nothing held, the dummy
// standing.
void freshTraining(u32 seed = 1) {
    freshBattle(seed);
    chooseGameMode(trainingMode);
    hold(1, "");
}

void ticks(int n) {
    for (int i = 0; i < n; ++i) {
        hold(1, "");
        battleScene();
    }
}

bool guarding(const personagem& f) {
    return f.anim == "DEFESA-ALTA" || f.anim == "DEFESA-BAIXA" || f.anim == "DEFESA-AEREA";
}

// Player 1 a step from the dummy throws one strong punch; the outcome of that blow.
struct BlowOutcome {
    bool guarded = false;
    bool hit = false;
};

BlowOutcome punchTheDummy() {
    BlowOutcome out;
    const f64 lifeBefore = dummy().life;
    hold(1, "3");
    battleScene();
    for (int i = 0; i < 30; ++i) {
        out.guarded = out.guarded || guarding(dummy());
        hold(1, "");
        battleScene();
    }
    out.hit = dummy().life < lifeBefore;
    return out;
}

void standClose() {
    resetTrainingPositions(ResetPlace::centre);
    player().posX = dummy().posX - 1.3;
    ticks(2);
}

} // namespace

TEST(TrainingBattle, HasNoClockAndNobodyIsKnockedOut) {
    freshTraining();
    ticks(200);
    EXPECT_EQ(gs.roundTime, 60) << "the clock never runs";
    EXPECT_EQ(gs.timeOverTimer, 0);

    // Vitality gone by any road stops at 1 for either fighter; outside training the same
    // fall is a knock-out.
    for (bool training : {true, false}) {
        for (int i = 1; i <= 2; ++i) {
            SCOPED_TRACE((training ? "training, fighter " : "versus, fighter ") +
                         std::to_string(i));
            freshTraining();
            gs.training.active = training ? 1 : 0;
            gs.fighter(i).life = -20;
            ticks(1);
            if (training) {
                EXPECT_EQ(gs.fighter(i).life, 1);
                EXPECT_EQ(gs.knockOutTimer, 0);
                EXPECT_FALSE(gs.fighter(i).anim == "DESMAIAR");
            } else {
                EXPECT_GT(gs.knockOutTimer, 0);
            }
        }
    }
}

TEST(TrainingBattle, DamageLeavesVitalityAtOne) {
    freshTraining();
    standClose();
    dummy().life = 2;
    const BlowOutcome blow = punchTheDummy();
    ASSERT_TRUE(blow.hit);
    EXPECT_EQ(dummy().life, 1);
    EXPECT_EQ(gs.knockOutTimer, 0);
}

TEST(TrainingBattle, TheDummyIsMadeWholeAfterFortyTicksAtRest) {
    freshTraining();
    personagem& d = dummy();
    d.life = 40;
    d.guard = 30;
    d.dizzy = 60;
    d.dizzyDelay = 70;
    ticks(30);
    EXPECT_EQ(d.life, 40);
    // A dizzy spell starts the count again.
    d.anim = "TONTO";
    d.frame = 0;
    ticks(1);
    EXPECT_EQ(gs.training.dummyRestTicks, 0);
    d.anim = "PARADO";
    ticks(trainingRefillTicks - 1);
    EXPECT_EQ(d.life, 40);
    ticks(1);
    EXPECT_EQ(d.life, 100);
    EXPECT_EQ(d.guard, 100);
    EXPECT_EQ(d.dizzy, 0);
    EXPECT_EQ(player().life, 100) << "player 1 is not refilled";
}

TEST(TrainingBattle, PowerIsKeptAtThreeStocksOnlyWhenAsked) {
    for (u8 refill : {0, 1}) {
        SCOPED_TRACE(refill);
        freshTraining();
        gs.training.powerRefill = refill;
        ticks(3);
        for (int i = 1; i <= 2; ++i) EXPECT_EQ(gs.fighter(i).stocks, refill ? 3 : 0);
    }
}

TEST(TrainingDummy, DoesWhatItsActionSays) {
    struct Case {
        DummyAction action;
        const char* anim;
        f64 minHeight;
        bool walksIn;
    } cases[] = {
        {DummyAction::stand, "PARADO", 0, false},
        {DummyAction::crouch, "AGACHAR", 0, false},
        {DummyAction::jump, "PULAR", 0.5, false},
        {DummyAction::walkForward, "ANDAR-FRENTE", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.anim);
        freshTraining();
        gs.training.dummyAction = static_cast<u8>(c.action);
        const f64 x = dummy().posX;
        ticks(8);
        EXPECT_EQ(dummy().anim, c.anim);
        EXPECT_GE(dummy().posY, c.minHeight);
        if (c.walksIn)
            EXPECT_LT(dummy().posX, x - 0.1);
        else
            EXPECT_DOUBLE_EQ(dummy().posX, x);
    }
    // As the computer it plays at the level the menu sets, whatever the game's difficulty.
    freshTraining();
    gs.difficulty = 5;
    gs.training.dummyAction = static_cast<u8>(DummyAction::computer);
    gs.training.dummyLevel = 2;
    EXPECT_EQ(cpuDifficulty(2), 2);
    EXPECT_EQ(cpuDifficulty(1), 5);
    gs.training.active = 0;
    EXPECT_EQ(cpuDifficulty(2), 5);
}

TEST(TrainingDummy, GuardsAsItsSettingSays) {
    struct Case {
        DummyGuard guard;
        bool firstGuarded, secondGuarded;
    } cases[] = {
        {DummyGuard::none, false, false},
        {DummyGuard::all, true, true},
        {DummyGuard::afterFirstHit, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.guard));
        freshTraining();
        gs.training.dummyGuard = static_cast<u8>(c.guard);
        standClose();
        const BlowOutcome first = punchTheDummy();
        player().posX = dummy().posX - 1.3;
        const BlowOutcome second = punchTheDummy();
        EXPECT_EQ(first.guarded, c.firstGuarded);
        EXPECT_EQ(first.hit, !c.firstGuarded);
        EXPECT_EQ(second.guarded, c.secondGuarded);
        EXPECT_EQ(second.hit, !c.secondGuarded);
    }
    // At random: some blows guarded, some not, drawn once for each blow.
    freshTraining(7);
    gs.training.dummyGuard = static_cast<u8>(DummyGuard::random);
    int guarded = 0, hit = 0;
    for (int n = 0; n < 12; ++n) {
        standClose();
        const BlowOutcome b = punchTheDummy();
        guarded += b.guarded ? 1 : 0;
        hit += b.hit ? 1 : 0;
    }
    EXPECT_GT(guarded, 0);
    EXPECT_GT(hit, 0);
    EXPECT_EQ(guarded + hit, 12);
}

TEST(TrainingRoom, ResetsPutBothFightersInPlaceAndF5RepeatsTheLast) {
    struct Case {
        ResetPlace place;
        f64 dummyX, playerX; // from the arena's left limit, middle or right limit
    } cases[] = {
        {ResetPlace::centre, 2, -2},
        {ResetPlace::leftCorner, 1, 5},
        {ResetPlace::rightCorner, -1, -5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.place));
        freshTraining();
        const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
        const f64 base = c.place == ResetPlace::leftCorner    ? gs.arenaLimitX1
                         : c.place == ResetPlace::rightCorner ? gs.arenaLimitX2
                                                              : middle;
        player().posX = middle + 3;
        dummy().life = 10;
        resetTrainingPositions(c.place);
        EXPECT_DOUBLE_EQ(dummy().posX, base + c.dummyX);
        EXPECT_DOUBLE_EQ(player().posX, base + c.playerX);
        EXPECT_EQ(dummy().life, 100);
        EXPECT_EQ(gs.training.resetPlace, static_cast<u8>(c.place));

        ticks(5);
        player().posX = middle;
        dummy().posX = middle + 0.5;
        FormKeyDown(vk::F1 + 4);
        EXPECT_DOUBLE_EQ(dummy().posX, base + c.dummyX) << "F5";
        EXPECT_DOUBLE_EQ(player().posX, base + c.playerX) << "F5";
    }
}

TEST(TrainingRoom, EscOpensAndClosesTheTrainingMenuAndF5WaitsWhileItIsOpen) {
    freshTraining();
    FormKeyDown(vk::Escape);
    EXPECT_EQ(gs.pauseMenuOpen, 1);
    EXPECT_EQ(gs.optionsScreen, "OPCOES-TREINO");
    const f64 x = dummy().posX;
    dummy().posX = x + 1;
    FormKeyDown(vk::F1 + 4);
    EXPECT_DOUBLE_EQ(dummy().posX, x + 1);

    // ESC from the move list goes back to the training menu's row that leads there; ESC
    // on the training menu closes it.
    gs.optionsScreen = "LISTA-GOLPES";
    gs.inputLock = 0;
    FormKeyDown(vk::Escape);
    EXPECT_EQ(gs.optionsScreen, "OPCOES-TREINO");
    EXPECT_EQ(gs.menuCursor, 8) << "LISTA DE GOLPES";
    FormKeyDown(vk::Escape);
    EXPECT_EQ(gs.pauseMenuOpen, 0);

    // Outside training ESC opens the pause menu and F5 does nothing.
    freshBattle();
    FormKeyDown(vk::Escape);
    EXPECT_EQ(gs.optionsScreen, "OPCOES-JOGO-1");
}
