// TORVEL: hat, slingshot in the left hand, broom.
#pragma once

#include "fight/fighter_setup.h"

const CharacterSheet& torvelSheet();
