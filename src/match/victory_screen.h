// The scene "VS-VITORIA": the match winner on a dark backdrop with confetti, then the
// after-match options.
#pragma once

// The fighter with the longer win streak; fighter 2 on a tie.
int victoryWinner();
void victoryScene();
