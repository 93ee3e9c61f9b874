// The frame data of the last move player 1 started against the dummy, measured from the
// running fight: when its attack windows are live, when player 1 can act again, and how
// its contacts left the dummy.
#pragma once

// Once a tick in a training battle, after both fighters' updates and before the hits.
void measureTrainingMove();
// The damage pass tells of a contact on fighter `victim`: whether it was guarded, the
// vitality and guard it took.
void noteTrainingContact(int victim, bool guarded, double damage, double guardDamage);
