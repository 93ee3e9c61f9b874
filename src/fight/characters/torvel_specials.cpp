#include "fight/characters/specials.h"

// Torvel's specials and supers start nothing yet.
void torvelSpecial(int, std::string_view) {}
