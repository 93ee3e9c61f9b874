// The placed content of each arena: a script of add-prop, add-sprite and add-floor-shadow
// calls, run by the arena setup after it frees the lists.
#pragma once

void layoutArena1();
void layoutArena2();
