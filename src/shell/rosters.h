// The name lists of the main window: line n is character or arena n; line 0 is "-".
#pragma once

#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 6> fighterRoster = {
    "-", "TORVEL", "SEU BRANDOLIM", "FELINDRA", "ZANCO", "DONA TERVINA"};
inline constexpr std::array<std::string_view, 3> arenaRoster = {"-", "PRIMEIRO PÁTIO DA VILA",
                                                                "CASA DO SEU BRANDOLIM"};
