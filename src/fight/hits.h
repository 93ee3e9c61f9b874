// Hit resolution, run by the battle after the objects: the guard pass decides whether a
// fighter's contact is blocked, the damage pass applies the pending contact.
#pragma once

void guardPass(int index);
void damagePass(int index);
