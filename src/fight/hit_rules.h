// The fixed rules of hit resolution: which attack levels each guard stops, the damage
// level factors and the reaction each hit level plays.
#pragma once

#include <string_view>

#include "shell/plain_data.h"

// The guard animation blocks attack level `hitType`; an airborne attacker's hits are also
// stopped by the air guard (decided by the caller).
bool guardStops(std::string_view guardAnim, std::string_view hitType);
// Factor of the configured damage level 1..5.
f64 damageLevelFactor(u8 level);
// The reaction animation of a hit level; empty when the animation stays unchanged.
std::string_view reactionFor(std::string_view hitType);
// Hit levels an air hit does not turn into "SOFRE-ATAQUE-AR".
bool keepsAirHitLevel(std::string_view hitType);
