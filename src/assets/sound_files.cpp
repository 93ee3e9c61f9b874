#include "assets/sound_files.h"

#include <cstdio>
#include <string>

#include "assets/data_lines.h"
#include "platform/audio.h"
#include "platform/canvas.h"
#include "platform/game_folders.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/scene_change.h"

void loadWaveFiles(WaveList list, const char* pattern, int count, int x, int y) {
    for (int n = 1; n <= count; ++n) {
        char name[40];
        std::snprintf(name, sizeof name, pattern, n);
        canvasText(x, y, name, CanvasColor{255, 255, 255});
        windowRefreshSometimes();
        const std::string path = dataPath(name);
        if (fileExists(path) && waveAppendFile(list, path)) continue;
        enterErrorScene("ARQUIVO  " + upperCase(name) + "  NÃO FOI ENONTRADO",
                        "VERIFIQUE SE O ARQUIVO EXISTE.",
                        "VERIFIQUE SE O CAMINHO DO ARQUIVO ESTA CORRETO.",
                        "VERIFIQUE SE O ARQUIVO NÃO ESTA COMPACTADO.");
    }
}

void loadSounds(int w, int h) {
    if (gs.soundSwitch != 1) return;
    loadWaveFiles(WaveList::Sounds, "Sons/Som-%02d.wav", 31, w / 2 - 160, h / 2 + 200);
}
