#include "match/match_hooks.h"

void guardPass(int) {}
void damagePass(int) {}
void fighterHud(int) {}
void sharedHud() {}
void resultStep() {}
void pauseMenu() {}
