// The player's own folders, as the desktop keeps them: each is $VARIABLE/torvel-arena, or
// ~/FALLBACK/torvel-arena when the variable is unset, empty or relative; empty when HOME is unset
// too. A folder may not exist yet.
#pragma once

#include <string>

std::string playerFolder(const char* variable, const char* fallbackUnderHome);
// $XDG_CONFIG_HOME/torvel-arena (~/.config/torvel-arena): the settings.
std::string settingsFolder();

// A path in `folder` (created when missing) for a new file named `name`, with "-2",
// "-3"... before the extension while that name is taken; empty with why otherwise.
std::string freeFilePath(const std::string& folder, const std::string& name, std::string& error);
