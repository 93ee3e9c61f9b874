#pragma once

// The loading steps of the display set-up, for a square window of side w: the picture
// sets with their captions, the body-part models, and the sounds.
void loadStartupPictureSets(int w);
void loadFighterModels();
void loadSounds(int w, int h);
