#pragma once

// The loading steps of the display set-up, for the window's square of side w: the picture
// sets with their captions, then the body-part models.
void loadStartupPictureSets(int w);
void loadFighterModels(int w);
