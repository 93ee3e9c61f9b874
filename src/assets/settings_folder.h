// Where the player's settings live: $XDG_CONFIG_HOME/torvel-arena/, or
// ~/.config/torvel-arena/ when XDG_CONFIG_HOME is unset or empty.
#pragma once

#include <string>

// Empty when neither XDG_CONFIG_HOME nor HOME is set. The folder may not exist yet.
std::string settingsFolder();
