// The computer opponent's blows: normal attacks and their chains, the flying kick, the
// air-combo launch and its continuation, in that order.
#pragma once

#include "fight/cpu_tick.h"

void cpuAttacks(CpuTick& c);
