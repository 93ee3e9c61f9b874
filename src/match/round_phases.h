// The round's phases around the fight: the intro ("ROUND", its number, "LUTEM"), the time
// over ("FIM DO TEMPO") and the knock-out ("NOCAUTE"), and the round clock. Each step is
// called by the battle tick while its timer is above 0; the fight runs while all four
// phase timers (with the result's) are 0.
#pragma once

#include "shell/plain_data.h"

void introStep();
void timeOverStep();
void knockOutStep();
// One clock second is 33 unfrozen ticks; at 0 the time-over phase starts.
void roundClock();
// The clock's length in clock seconds for a "TEMPO DO ROUND" choice; 0 for no clock (4).
std::int8_t roundSeconds(u8 setting);
