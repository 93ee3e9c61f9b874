// The training room's settings and its dummy's bookkeeping, part of the game state so that
// replays, saved states and dumps carry them. Later training tools (the hit box, frame data
// and input displays, the dummy's recording) keep their settings here too.
#pragma once

#include "shell/plain_data.h"

// What the dummy (fighter 2) does when nobody hits it.
enum class DummyAction : u8 { stand, crouch, jump, walkForward, computer };
// When the dummy guards an attack it sees coming.
enum class DummyGuard : u8 { none, all, afterFirstHit, random };
// Where F5 and the menu put both fighters back.
enum class ResetPlace : u8 { centre, leftCorner, rightCorner };

struct TrainingState {
    u8 active = 0;          // this battle is a training battle
    u8 dummyAction = 0;     // a DummyAction
    u8 dummyLevel = 1;      // the computer's level 1..5 when dummyAction is computer
    u8 dummyGuard = 0;      // a DummyGuard
    u8 powerRefill = 0;     // 1: both fighters' power is kept at three stocks
    u8 display = 0;         // 1: the hit box and frame data display is wanted
    u8 resetPlace = 0;      // a ResetPlace: where the menu's reset and F5 put the fighters
    u16 dummyRestTicks = 0; // ticks the dummy has been back at rest, up to the refill
    u8 guardRaised = 0;     // after the first hit: the dummy guards until it rests again
    u8 threatSeen = 0;      // an attack of player 1 was live at the last tick
    u8 guardRoll = 0;       // random guard: whether the dummy guards the attack under way

    // Outside training the record is left out of the hash, so the hashes of every other
    // state stay as they were.
    static constexpr bool hashedOnlyWhenUsed = true;
    bool used() const { return active != 0; }
};

template <class V> void reflect(V& v, TrainingState& t) {
    v("active", t.active);
    v("dummyAction", t.dummyAction);
    v("dummyLevel", t.dummyLevel);
    v("dummyGuard", t.dummyGuard);
    v("powerRefill", t.powerRefill);
    v("display", t.display);
    v("resetPlace", t.resetPlace);
    v("dummyRestTicks", t.dummyRestTicks);
    v("guardRaised", t.guardRaised);
    v("threatSeen", t.threatSeen);
    v("guardRoll", t.guardRoll);
}
