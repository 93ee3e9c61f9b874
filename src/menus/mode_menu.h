// The mode menu "VS-SELECAO-JOG": who drives the two fighters ("P1 VS CPU", "P1 VS P2",
// "CPU VS CPU"), then on to the fighter selection; "VOLTAR" goes back to the title.
#pragma once

void modeMenuScene();
