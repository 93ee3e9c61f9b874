// The training dummy's tick, in the place of a player's commands or the computer's.
#pragma once

#include "shell/fighter_record.h"

// Fighter `index` does what the training menu asks of it (stand, crouch, jump, walk
// forward, or play as the computer at its level) and guards the opponent's attacks as
// the guard setting says.
void trainingDummyStep(int index);
// At rest: neither reeling, falling, lying, getting up, dizzy nor guarding.
bool dummyAtRest(const personagem& f);
