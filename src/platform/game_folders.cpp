#include "platform/game_folders.h"

#include <filesystem>
#include <system_error>

#include "platform/player_folders.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* gameName = "torvel-arena";

GameFolders current;

bool holdsData(const fs::path& folder) {
    std::error_code ec;
    for (const char* sub : {"Personagens", "Cenarios", "Posicoes", "Sons"})
        if (!fs::is_directory(folder / sub, ec)) return false;
    return true;
}

} // namespace

GameFolders locateGameFolders(const std::string& executable) {
    const fs::path beside = fs::path(executable).parent_path();
    if (holdsData(beside)) return {beside.string(), beside.string(), false};
    const fs::path shared = beside.parent_path() / "share" / gameName;
    if (holdsData(shared)) return {shared.string(), settingsFolder(), true};
    return {};
}

GameFolders locateOwnGameFolders() {
    std::error_code ec;
    const fs::path self = fs::canonical("/proc/self/exe", ec);
    return ec ? GameFolders{} : locateGameFolders(self.string());
}

void useGameFolders(const GameFolders& folders) {
    current = folders;
}

const GameFolders& gameFolders() {
    return current;
}

std::string dataPath(const std::string& name) {
    return (fs::path(current.data) / name).string();
}

std::string configFilePath() {
    return current.config.empty() ? std::string{}
                                  : (fs::path(current.config) / "Config.dat").string();
}
