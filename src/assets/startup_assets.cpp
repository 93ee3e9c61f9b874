#include "assets/startup_assets.h"

void loadStartupPictureSets(int) {}
void loadFighterModels() {}
void loadSounds(int, int) {}
