// The mode menu "VS-SELECAO-JOG": who drives the two fighters ("P1 VS CPU", "P1 VS P2",
// "CPU VS CPU"), then on to the fighter selection; "VOLTAR" goes back to the title.
#pragma once

void modeMenuScene();

// Sets both fighters up for a new match in game mode `mode` (as chooseGameMode numbers
// them) and closes the curtain on the way to the fighter selection.
void startFighterSelection(int mode);
