// The two top levels of the computer read their opponent: the habits it showed over the
// last seconds (shell/fighter_record.h, CpuReading) and the answers they call for. Everything
// read is on the screen: the opponent's animation, its frame, where it stands and moves.
#pragma once

#include "fight/cpu_tick.h"

// Each runs only for a level that reads (CpuLevel::reading > 0).

// Updates the memory from what the opponent did since the last step; called before the
// step's perception, while `cpuFoeAnim` and `cpuFoeFrame` still hold last tick's view.
void cpuRead(CpuTick& c);

// Before the guard: what the habits read change about this step's weights.
void cpuReweigh(CpuTick& c);
// Before the walk: the distance to keep from an opponent that throws.
void cpuKeepSpacing(CpuTick& c);
// After the step's own attacks: the answers to the habits read.
void cpuAnswer(CpuTick& c);
