#include "assets/music_files.h"

#include "assets/sound_files.h"
#include "platform/audio.h"
#include "shell/game_state.h"

bool pieceLoops(int index) {
    return index == piece::menus || index == piece::patio || index == piece::casa;
}

void loadMusic(int w, int h) {
    if (gs.soundSwitch != 1) return;
    loadWaveFiles(WaveList::Music, "Musicas/Musica-%02d.ogg", piece::count, w / 2 - 160,
                  h / 2 + 240);
}
