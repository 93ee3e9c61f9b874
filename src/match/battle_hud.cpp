#include "match/battle_hud.h"

void fighterHud(int) {}
void sharedHud() {}
