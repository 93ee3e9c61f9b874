// The training room's settings and its dummy's bookkeeping, part of the game state so that
// replays, saved states and dumps carry them: the dummy's settings, the frame data of
// player 1's last move, player 1's recent inputs and the dummy's recording.
#pragma once

#include <array>

#include "shell/plain_data.h"

// What the dummy (fighter 2) does when nobody hits it.
enum class DummyAction : u8 { stand, crouch, jump, walkForward, computer };
// When the dummy guards an attack it sees coming.
enum class DummyGuard : u8 { none, all, afterFirstHit, random };
// Where F5 and the menu put both fighters back.
enum class ResetPlace : u8 { centre, leftCorner, rightCorner };
// How the last move ended against the dummy: which advantage is known.
enum class MoveOutcome : u8 { none, hit, guarded };
// Where the measuring of a move stands.
enum class MovePhase : u8 { idle, measuring, settled };
// The dummy's recorder.
enum class Recorder : u8 { idle, recording, playing };

// Ticks of the dummy's recording: 10 seconds.
constexpr std::size_t recordingTicks = 400;
// Entries of player 1's input history.
constexpr std::size_t inputHistoryLength = 20;

// Frame data of the last move player 1 started, counted in ticks in which the world moves
// (hit-stop and pauses do not count). Tick 1 is the move's first tick.
struct TrainingMove {
    Name anim;
    i32 startup = 0;  // the tick of its first active tick (0: never active)
    i32 active = 0;   // ticks from its first active tick to its last
    i32 recovery = 0; // ticks after its last active tick before player 1 can act
    i32 onHit = 0;    // after its last contact: ticks player 1 acts before the dummy
    i32 onGuard = 0;
    u8 outcome = 0; // a MoveOutcome
    f64 damage = 0, guardDamage = 0;
    f64 comboDamage = 0;
    u8 comboHits = 0;
    // Bookkeeping while the move is measured.
    u8 phase = 0; // a MovePhase
    u8 wasAttacking = 0;
    f64 frameSeen = 0;
    u8 objectsAtStart = 0; // player 1's harmful objects in the air as the move began
    // The frames of the move's attack windows seen so far (first, last): a window stays
    // active to its last frame though its blow has landed.
    std::array<std::array<f64, 2>, 4> windows{};
    u8 windowCount = 0;
    i32 age = 0;
    i32 lastActive = 0;
    i32 lastContact = 0;
    i32 playerFreeAt = 0, dummyFreeAt = 0; // 0: not yet
};

// One held input of player 1: the direction on the keypad as seen facing the opponent
// (5 = none), the buttons held (bit b-1 for button b), and for how many ticks.
struct TrainingInput {
    u8 direction = 5;
    u16 buttons = 0;
    u16 ticks = 0;
};

struct TrainingState {
    u8 active = 0;          // this battle is a training battle
    u8 dummyAction = 0;     // a DummyAction
    u8 dummyLevel = 1;      // the computer's level 1..5 when dummyAction is computer
    u8 dummyGuard = 0;      // a DummyGuard
    u8 powerRefill = 0;     // 1: both fighters' power is kept at three stocks
    u8 display = 1;         // 1: the boxes, frame data and inputs are shown
    u8 resetPlace = 0;      // a ResetPlace: where the menu's reset and F5 put the fighters
    u8 playbackLoop = 0;    // 1: the recording plays again and again
    u16 dummyRestTicks = 0; // ticks the dummy has been back at rest, up to the refill
    u8 guardRaised = 0;     // after the first hit: the dummy guards until it rests again
    u8 threatSeen = 0;      // an attack of player 1 was live at the last tick
    u8 guardRoll = 0;       // random guard: whether the dummy guards the attack under way
    TrainingMove lastMove;
    // Newest first; entries past `inputCount` are empty.
    std::array<TrainingInput, inputHistoryLength> inputs{};
    u8 inputCount = 0;
    u8 recorder = 0; // a Recorder
    u16 recordLength = 0;
    u16 playCursor = 0;
    // One packed input per tick (see packedInput), kept for the rest of the run.
    std::array<u16, recordingTicks> recording{};

    // Outside training the record is left out of the hash, so the hashes of every other
    // state stay as they were.
    static constexpr bool hashedOnlyWhenUsed = true;
    bool used() const { return active != 0; }
};

template <class V> void reflect(V& v, TrainingMove& m) {
    v("anim", m.anim);
    v("startup", m.startup);
    v("active", m.active);
    v("recovery", m.recovery);
    v("onHit", m.onHit);
    v("onGuard", m.onGuard);
    v("outcome", m.outcome);
    v("damage", m.damage);
    v("guardDamage", m.guardDamage);
    v("comboDamage", m.comboDamage);
    v("comboHits", m.comboHits);
    v("phase", m.phase);
    v("wasAttacking", m.wasAttacking);
    v("frameSeen", m.frameSeen);
    v("objectsAtStart", m.objectsAtStart);
    v("windows", m.windows);
    v("windowCount", m.windowCount);
    v("age", m.age);
    v("lastActive", m.lastActive);
    v("lastContact", m.lastContact);
    v("playerFreeAt", m.playerFreeAt);
    v("dummyFreeAt", m.dummyFreeAt);
}

template <class V> void reflect(V& v, TrainingInput& i) {
    v("direction", i.direction);
    v("buttons", i.buttons);
    v("ticks", i.ticks);
}

template <class V> void reflect(V& v, TrainingState& t) {
    v("active", t.active);
    v("dummyAction", t.dummyAction);
    v("dummyLevel", t.dummyLevel);
    v("dummyGuard", t.dummyGuard);
    v("powerRefill", t.powerRefill);
    v("display", t.display);
    v("resetPlace", t.resetPlace);
    v("playbackLoop", t.playbackLoop);
    v("dummyRestTicks", t.dummyRestTicks);
    v("guardRaised", t.guardRaised);
    v("threatSeen", t.threatSeen);
    v("guardRoll", t.guardRoll);
    v("lastMove", t.lastMove);
    v("inputs", t.inputs);
    v("inputCount", t.inputCount);
    v("recorder", t.recorder);
    v("recordLength", t.recordLength);
    v("playCursor", t.playCursor);
    v("recording", t.recording);
}
