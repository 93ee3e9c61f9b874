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

void loadSounds(int w, int h) {
    if (gs.soundSwitch != 1) return;
    for (int n = 1; n <= 31; ++n) {
        char name[24];
        std::snprintf(name, sizeof name, "Sons/Som-%02d.wav", n);
        canvasText(w / 2 - 160, h / 2 + 200, name, CanvasColor{255, 255, 255});
        windowRefresh();
        const std::string path = dataPath(name);
        if (fileExists(path) && waveAppendFile(WaveList::Sounds, path)) continue;
        enterErrorScene("ARQUIVO  " + upperCase(name) + "  NÃO FOI ENONTRADO",
                        "VERIFIQUE SE O ARQUIVO EXISTE.",
                        "VERIFIQUE SE O CAMINHO DO ARQUIVO ESTA CORRETO.",
                        "VERIFIQUE SE O ARQUIVO NÃO ESTA COMPACTADO.");
    }
}
