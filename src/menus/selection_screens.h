// The two screens between the mode menu and the versus presentation: the fighter
// selection ("SELECAO-LUTADOR") and the arena selection ("SELECAO-CENARIO").
#pragma once

// Fighter grid: 4 columns x 5 rows; cell (2, 2) holds character 1, cell (3, 2) character 2.
unsigned char gridCharacter(unsigned char column, unsigned char row);

void fighterSelectionScene();
void arenaSelectionScene();
