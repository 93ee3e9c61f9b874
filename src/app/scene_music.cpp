#include "app/scene_music.h"

#include <string_view>

#include "assets/music_files.h"
#include "match/round_result.h"
#include "shell/game_state.h"

namespace {

constexpr std::string_view menuScenes[] = {
    "DEBUG-PERSONAGEM", "DEBUG-CENARIO",  "DEBUG-MODO",    "DEBUG-DIFICULDADE", "DEBUG-RESOLUCAO",
    "OPCOES",           "VS-SELECAO-JOG", "CONFIGURACOES", "SELECAO-LUTADOR",   "SELECAO-CENARIO",
};

// The round just ended (or ending) gives its winner the match.
bool matchDecided() {
    if (gs.nextScene == "VS-VITORIA") return true;
    const bool roundOver = gs.knockOutTimer > 0 || gs.timeOverTimer > 0 || gs.resultTimer > 15;
    const int winner = roundWinner();
    return roundOver && winner != 0 && gs.fighter(winner).roundsWon + 1 >= gs.roundsSetting;
}

u8 arenaTheme() {
    return gs.arena == 2 ? piece::casa : piece::patio;
}

} // namespace

SceneMusic sceneMusic() {
    const std::string_view scene = gs.sceneName.view();
    for (std::string_view s : menuScenes)
        if (scene == s) return {true, piece::menus};
    if (scene == "VS-APRESENTACAO") return {true, piece::versus};
    if (scene == "BATALHA") return {true, matchDecided() ? piece::none : arenaTheme()};
    if (scene == "VS-VITORIA") return {true, piece::victory};
    if (scene == "ERRO") return {true, piece::none};
    return {};
}

void askForSceneMusic() {
    const SceneMusic m = sceneMusic();
    if (!m.chooses || m.piece == gs.musicIndex) return;
    gs.musicIndex = m.piece;
    gs.musicStartRequest = m.piece != piece::none ? 1 : 0;
}
