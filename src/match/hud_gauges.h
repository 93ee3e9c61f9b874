// A fighter's gauges: portrait, life, power, guard and dizzy.
#pragma once

#include "match/hud_draw.h"

void hudPortrait(const HudSide& side);
void hudLifeRow(const HudSide& side);
void hudPowerRow(const HudSide& side);
void hudGuardRow(const HudSide& side);
void hudDizzyColumn(const HudSide& side);
