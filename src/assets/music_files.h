// The music: Musicas/Musica-NN.ogg, items 1..5 of the music list after its placeholder.
#pragma once

#include "shell/plain_data.h"

namespace piece {
constexpr u8 none = 0;
constexpr u8 menus = 1;   // the title, mode, configuration, selection and start-up screens
constexpr u8 patio = 2;   // the battle in "PRIMEIRO PÁTIO DA VILA"
constexpr u8 casa = 3;    // the battle in "CASA DO SEU BRANDOLIM"
constexpr u8 versus = 4;  // the versus presentation's sting, played once
constexpr u8 victory = 5; // the victory screen, played once
constexpr u8 count = 5;
} // namespace piece

// Whether a piece repeats until another is asked for (the menus and battle themes) or is
// played once (the sting and the victory theme).
bool pieceLoops(int index);

// Loads pieces 1..5 into the music list, the progress on the window canvas at
// (w/2 - 160, h/2 + 240). A missing file puts up the error scene and adds no item; a
// damaged one keeps its place and plays nothing.
void loadMusic(int w, int h);
