#include "assets/settings_folder.h"

#include <cstdlib>
#include <filesystem>

std::string settingsFolder() {
    namespace fs = std::filesystem;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config) return (fs::path(config) / "torvel-arena").string();
    const char* home = std::getenv("HOME");
    if (home && *home) return (fs::path(home) / ".config" / "torvel-arena").string();
    return {};
}
