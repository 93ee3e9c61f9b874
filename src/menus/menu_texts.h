// The hidden text lists the title and mode menus read their rows and descriptions from.
#pragma once

#include <array>
#include <string_view>

// Lines 0..6: the title's rows; 8..10: the mode rows; 4 r + 11 .. 4 r + 13: the three
// description lines of title row r. "-" lines separate the groups and are never shown.
inline constexpr std::array<std::string_view, 44> memoTexto = {
    "????",
    "VS",
    "TREINO",
    "????",
    "????",
    "CONFIGURAÇÕES",
    "SAIR DO JOGO",
    "-",
    "P1 VS CPU",
    "P1 VS P2",
    "CPU VS CPU",
    "-",
    "1 X 1",
    "3 X 3",
    "-",
    "???",
    "???",
    "???",
    "-",
    "LUTE CONTRA O COMPUTADOR ",
    "OU CONTRA UM AMIGO.",
    "- 1 OU 2 JOGADORES -",
    "-",
    "TREINE GOLPES E COMBOS",
    "CONTRA UM BONECO QUE FAZ",
    "O QUE VOCÊ MANDAR.",
    "-",
    "???",
    "???",
    "???",
    "-",
    "???",
    "???",
    "???",
    "-",
    "CONFIGURE VÁRIAS OPÇÕES",
    "DE JOGO : DIFICULDADE , TEMPO",
    "DE ROUND , CONTROLES , ETC.",
    "-",
    "SAIR DO JOGO. ",
    " ",
    " ",
    "-",
    "-",
};
