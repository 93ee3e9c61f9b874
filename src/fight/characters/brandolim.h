// SEU BRANDOLIM: hat, a carbine slung on the torso and one in the right hand, newspaper.
#pragma once

#include "fight/fighter_setup.h"

const CharacterSheet& brandolimSheet();
