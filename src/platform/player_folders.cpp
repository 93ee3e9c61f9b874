#include "platform/player_folders.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

std::string playerFolder(const char* variable, const char* fallbackUnderHome) {
    const char* base = std::getenv(variable);
    // A relative base is not a folder of the desktop's: it is ignored.
    if (base && fs::path(base).is_absolute()) return (fs::path(base) / "torvel-arena").string();
    const char* home = std::getenv("HOME");
    if (home && *home) return (fs::path(home) / fallbackUnderHome / "torvel-arena").string();
    return {};
}

std::string settingsFolder() {
    return playerFolder("XDG_CONFIG_HOME", ".config");
}

std::string freeFilePath(const std::string& folder, const std::string& name, std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        error = "cannot create " + folder;
        return {};
    }
    const fs::path first(name);
    const std::string stem = first.stem().string(), extension = first.extension().string();
    fs::path path = fs::path(folder) / name;
    for (int n = 2; fs::exists(path, ec); ++n)
        path = fs::path(folder) / (stem + "-" + std::to_string(n) + extension);
    return path.string();
}
