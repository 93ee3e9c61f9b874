#include "fight/characters/specials.h"

// Seu Brandolim's specials and supers start nothing yet.
void brandolimSpecial(int, std::string_view) {}
