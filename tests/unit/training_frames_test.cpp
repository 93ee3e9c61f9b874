// The training room's frame data, measured from the running fight: a weak punch and a
// strong kick of each fighter against a standing and a guarding dummy, checked against
// the attack windows and the lengths of the animations they come from, and against the
// same blow counted tick by tick in a versus battle. Then player 1's input history and the
// dummy's recording played back tick for tick.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "app/key_events.h"
#include "battle_support.h"
#include "fight/characters/attack_table.h"
#include "fight/hit_rules.h"
#include "fight/training_room.h"
#include "held_input.h"
#include "match/battle_scene.h"
#include "platform/keys.h"
#include "shell/rng.h"
#include "shell/state_dump.h"

namespace {

personagem& player() {
    return gs.fighter(1);
}
personagem& dummy() {
    return gs.fighter(2);
}

// A training battle with player 1 as `character` and the dummy as the other one.
void freshTrainingAs(u8 character, u32 seed = 1) {
    freshBattle(seed);
    registerFighter(1, character, fighterRoster);
    registerFighter(2, character == 1 ? 2 : 1, fighterRoster);
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
    }
    chooseGameMode(trainingMode);
    hold(1, "");
}

void tick(std::string_view held = "") {
    hold(1, held);
    battleScene();
}

void ticks(int n) {
    for (int i = 0; i < n; ++i) tick();
}

// Player 1 `gap` to the left of the dummy, both at rest.
void standApart(f64 gap) {
    resetTrainingPositions(ResetPlace::centre);
    player().posX = dummy().posX - gap;
    ticks(2);
}

const AttackRow& attackRow(u8 character, std::string_view anim) {
    const auto rows = character == 1 ? torvelAttacks() : brandolimAttacks();
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const AttackRow& r) { return anim == r.anim; });
    EXPECT_NE(row, rows.end()) << anim;
    return *row;
}

struct BlowCase {
    u8 character;
    const char* move;
    const char* button;
    f64 length; // the attack animation's last frame, from the common attack table
    f64 gap;    // close enough for the first active tick to land
};
constexpr BlowCase blows[] = {
    {1, "SOCO-FRACO", "1", 5, 1.1},
    {1, "CHUTE-FORTE", "4", 12, 1.4},
    {2, "SOCO-FRACO", "1", 5, 1.1},
    {2, "CHUTE-FORTE", "4", 12, 1.4},
};
// A standing hit reaction's last frame.
constexpr i32 hitReactionLength = 10;
// A guarded blow locks the dummy's actions for 5 ticks; a blow may start again below 4.
constexpr i32 guardLockTicks = 2;

// One blow from rest, and the ticks after it until every figure is in.
const TrainingMove& throwBlow(const BlowCase& c) {
    tick(c.button);
    for (int i = 0; i < 60 && gs.training.lastMove.phase != u8(MovePhase::settled); ++i) tick();
    return gs.training.lastMove;
}

std::string describe(const BlowCase& c) {
    return std::string(c.character == 1 ? "TORVEL " : "BRANDOLIM ") + c.move;
}

} // namespace

TEST(TrainingFrameData, BlowsAgainstAStandingDummyMatchTheirTables) {
    for (const BlowCase& c : blows) {
        SCOPED_TRACE(describe(c));
        freshTrainingAs(c.character);
        standApart(c.gap);
        const AttackRow& row = attackRow(c.character, c.move);
        const TrainingMove& m = throwBlow(c);

        EXPECT_EQ(m.anim, c.move);
        EXPECT_EQ(m.phase, u8(MovePhase::settled));
        EXPECT_EQ(m.startup, static_cast<i32>(row.firstFrame));
        EXPECT_EQ(m.active, static_cast<i32>(row.lastFrame - row.firstFrame + 1));
        EXPECT_EQ(m.recovery, static_cast<i32>(c.length - row.lastFrame));
        ASSERT_EQ(m.outcome, u8(MoveOutcome::hit));
        ASSERT_EQ(m.lastContact, m.startup) << "lands on its first active tick";
        // Player 1 stands again the tick after its last frame; the dummy the tick after its
        // reaction's last frame, which began on the contact.
        EXPECT_EQ(m.onHit, m.lastContact + hitReactionLength - static_cast<i32>(c.length));
        const f64 damage =
            row.damage.value * player().damageScale * damageLevelFactor(gs.damageLevel);
        EXPECT_DOUBLE_EQ(m.damage, damage);
        EXPECT_DOUBLE_EQ(m.guardDamage, 0);
        EXPECT_DOUBLE_EQ(m.comboDamage, damage);
        EXPECT_EQ(m.comboHits, 1);
    }
}

TEST(TrainingFrameData, BlowsAgainstAGuardingDummyMatchTheirTables) {
    for (const BlowCase& c : blows) {
        SCOPED_TRACE(describe(c));
        freshTrainingAs(c.character);
        gs.training.dummyGuard = u8(DummyGuard::all);
        standApart(c.gap);
        const AttackRow& row = attackRow(c.character, c.move);
        const TrainingMove& m = throwBlow(c);

        EXPECT_EQ(m.startup, static_cast<i32>(row.firstFrame));
        EXPECT_EQ(m.active, static_cast<i32>(row.lastFrame - row.firstFrame + 1));
        EXPECT_EQ(m.recovery, static_cast<i32>(c.length - row.lastFrame));
        ASSERT_EQ(m.outcome, u8(MoveOutcome::guarded));
        ASSERT_EQ(m.lastContact, m.startup) << "guarded on its first active tick";
        EXPECT_EQ(m.onGuard, m.lastContact + guardLockTicks - static_cast<i32>(c.length) - 1);
        EXPECT_DOUBLE_EQ(m.damage, 0) << "common blows take nothing through a guard";
        EXPECT_DOUBLE_EQ(m.guardDamage, row.guard.value);
        EXPECT_DOUBLE_EQ(m.comboDamage, 0);
    }
}

// The same blow in a versus battle, counted by hand: the ticks in which the world moves
// from the blow's start until each fighter stands again.
TEST(TrainingFrameData, AdvantageOnHitIsWhatAVersusBattleShowsTickByTick) {
    for (const BlowCase& c : blows) {
        SCOPED_TRACE(describe(c));
        freshTrainingAs(c.character);
        standApart(c.gap);
        const i32 trainingOnHit = throwBlow(c).onHit;

        freshTrainingAs(c.character);
        chooseGameMode(2); // two players, the second holding nothing
        standApart(c.gap);
        int age = 0, playerStands = 0, dummyStands = 0;
        tick(c.button);
        ASSERT_EQ(player().anim, c.move);
        for (int i = 0; i < 80 && dummyStands == 0; ++i) {
            if (gs.worldFrozen == 0) ++age;
            if (playerStands == 0 && player().anim == "PARADO") playerStands = age;
            if (playerStands != 0 && dummy().anim == "PARADO") dummyStands = age;
            tick();
        }
        EXPECT_EQ(trainingOnHit, dummyStands - playerStands);
    }
}

TEST(TrainingInputs, TheHistoryCountsHeldTicksNewestFirstAndKeepsTwenty) {
    freshTrainingAs(1);
    standApart(3);
    gs.training.inputCount = 0;
    for (int i = 0; i < 3; ++i) tick("R");   // forward, facing right
    for (int i = 0; i < 2; ++i) tick("DL1"); // down-back with weak punch
    tick();
    const TrainingState& t = gs.training;
    ASSERT_EQ(t.inputCount, 3);
    EXPECT_EQ(t.inputs[0].direction, 5);
    EXPECT_EQ(t.inputs[0].ticks, 1);
    EXPECT_EQ(t.inputs[1].direction, 1);
    EXPECT_EQ(t.inputs[1].buttons, 1);
    EXPECT_EQ(t.inputs[1].ticks, 2);
    EXPECT_EQ(t.inputs[2].direction, 6);
    EXPECT_EQ(t.inputs[2].ticks, 3);

    // Seen from the other side, right is back.
    resetTrainingPositions(ResetPlace::centre);
    player().posX = dummy().posX + 3;
    ticks(3);
    tick("R");
    EXPECT_EQ(t.inputs[0].direction, 4);

    for (int i = 0; i < 30; ++i) tick(i % 2 ? "U" : "D");
    EXPECT_EQ(t.inputCount, inputHistoryLength);
    EXPECT_EQ(t.inputs[0].direction, 8) << "the last of thirty";
    EXPECT_EQ(t.inputs[inputHistoryLength - 1].direction, 2) << "the eleventh";
}

namespace {

// Player 1's inputs while recording, as they drive the dummy on the right: a step in
// (left), a weak punch, a crouching strong kick, a jump; all out of player 1's reach.
std::vector<std::string> recordedInputs() {
    std::vector<std::string> in;
    for (int i = 0; i < 3; ++i) in.push_back("L");
    for (const char* s : {"1", "", "", "", "", "", "", "", "D", "D4", "D", "", "", ""})
        in.push_back(s);
    for (int i = 0; i < 15; ++i) in.push_back("");
    for (int i = 0; i < 5; ++i) in.push_back("U");
    for (int i = 0; i < 40; ++i) in.push_back("");
    return in;
}

// The fight as both fighters, the objects and the generator have it, without player 1's
// devices, which stood idle in one run and drove the dummy in the other.
std::string fightNow() {
    const auto d = nlohmann::json::parse(stateDumpJson(0));
    nlohmann::json fight = {
        {"fighters", d["fighters"]}, {"objects", d["objects"]}, {"rngState", d["rngState"]}};
    for (const char* k :
         {"inUp", "inDown", "inLeft", "inRight", "inButtons", "inUpPrev", "inDownPrev",
          "inLeftPrev", "inRightPrev", "inButtonsPrev", "inBack", "inForward"})
        fight["fighters"][0].erase(k);
    return fight.dump();
}

} // namespace

TEST(TrainingRecorder, APlaybackDrivesTheDummyTickForTickAsRecorded) {
    freshTrainingAs(1);
    const std::vector<std::string> inputs = recordedInputs();

    // Each run starts from the same place, gauges and rest.
    const auto settle = [] {
        resetTrainingPositions(ResetPlace::centre);
        for (int i = 1; i <= 2; ++i) gs.fighter(i).power = 0;
        seedRandom(77);
        ticks(30);
    };
    settle();
    FormKeyDown(vk::F1 + 5); // F6
    ASSERT_EQ(gs.training.recorder, u8(Recorder::recording));
    std::vector<std::string> recorded, dummyMoves;
    for (const std::string& in : inputs) {
        tick(in);
        recorded.push_back(fightNow());
        if (dummyMoves.empty() || dummyMoves.back() != dummy().anim.view())
            dummyMoves.emplace_back(dummy().anim.view());
    }
    for (const char* move : {"ANDAR-FRENTE", "SOCO-FRACO", "CHUTE-FORTE-AGACHADO", "PULAR"})
        EXPECT_NE(std::find(dummyMoves.begin(), dummyMoves.end(), move), dummyMoves.end())
            << "the dummy did " << move;
    FormKeyDown(vk::F1 + 5);
    EXPECT_EQ(gs.training.recorder, u8(Recorder::idle));
    EXPECT_EQ(gs.training.recordLength, inputs.size());
    EXPECT_EQ(player().anim, "PARADO") << "player 1 stood while recording";

    for (int loop = 0; loop < 2; ++loop) {
        SCOPED_TRACE(loop);
        settle();
        gs.training.playbackLoop = 0;
        FormKeyDown(vk::F1 + 6); // F7
        ASSERT_EQ(gs.training.recorder, u8(Recorder::playing));
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            tick();
            const auto differences = dumpDifferences(fightNow(), recorded[i], 5);
            ASSERT_TRUE(differences.empty()) << "tick " << i << ": " << differences[0];
        }
        EXPECT_EQ(gs.training.recorder, u8(Recorder::idle)) << "played once";
    }

    // Looped, it starts again; F7 stops it.
    gs.training.playbackLoop = 1;
    FormKeyDown(vk::F1 + 6);
    ticks(static_cast<int>(inputs.size()) + 3);
    EXPECT_EQ(gs.training.recorder, u8(Recorder::playing));
    EXPECT_EQ(gs.training.playCursor, 3);
    FormKeyDown(vk::F1 + 6);
    EXPECT_EQ(gs.training.recorder, u8(Recorder::idle));
}

TEST(TrainingRecorder, ARecordingStopsAtTenSecondsAndNothingPlaysWithoutOne) {
    freshTrainingAs(2);
    FormKeyDown(vk::F1 + 6);
    EXPECT_EQ(gs.training.recorder, u8(Recorder::idle)) << "no recording yet";
    FormKeyDown(vk::F1 + 5);
    ticks(static_cast<int>(recordingTicks) + 20);
    EXPECT_EQ(gs.training.recorder, u8(Recorder::idle));
    EXPECT_EQ(gs.training.recordLength, recordingTicks);

    // A state from elsewhere with a length past the recording plays nothing out of it.
    gs.training.recordLength = 60000;
    gs.training.recorder = u8(Recorder::playing);
    ticks(2);
    EXPECT_EQ(gs.training.recorder, u8(Recorder::idle));
}
