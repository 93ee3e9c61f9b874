// The scenes whose menus open over them: the battle with its options menu, and the
// victory screen with the after-match menu and the screen effects on top.
#pragma once

void battleSceneWithOptions();
void victorySceneWithMenu();
