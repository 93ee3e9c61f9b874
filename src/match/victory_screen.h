// The scene "VS-VITORIA": the match winner on a dark backdrop with confetti. The
// after-match menu and the screen effects are laid over it by the menus.
#pragma once

// The fighter with the longer win streak; fighter 2 on a tie.
int victoryWinner();
void victoryScene();
