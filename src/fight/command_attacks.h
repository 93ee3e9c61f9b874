// The punch and kick buttons: standing and crouching attacks with their chains, and the
// air attacks with the air-combo route.
#pragma once

#include "fight/command_steps.h"

void groundAttacks(int index, const Controls& c);
void airAttacks(int index, const Controls& c);
