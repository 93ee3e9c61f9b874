#include "match/match_hooks.h"

void resultStep() {}
void pauseMenu() {}
