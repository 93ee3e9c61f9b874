#include "assets/display_settings.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/player_folders.h"

namespace fs = std::filesystem;

std::string displaySettingsPath() {
    const std::string folder = settingsFolder();
    return folder.empty() ? std::string() : (fs::path(folder) / "display.cfg").string();
}

DisplaySettings parseDisplaySettings(const std::string& text) {
    DisplaySettings s;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "fullscreen=1") s.fullscreen = true;
        if (line == "fullscreen=0") s.fullscreen = false;
    }
    return s;
}

std::string displaySettingsText(const DisplaySettings& s) {
    return std::string("fullscreen=") + (s.fullscreen ? "1" : "0") + "\n";
}

DisplaySettings loadDisplaySettings() {
    const std::string path = displaySettingsPath();
    std::ifstream f(path, std::ios::binary);
    if (path.empty() || !f) return {};
    std::ostringstream text;
    text << f.rdbuf();
    return parseDisplaySettings(text.str());
}

bool saveDisplaySettings(const DisplaySettings& settings, std::string& error) {
    const std::string path = displaySettingsPath();
    if (path.empty()) {
        error = "no folder for settings (neither XDG_CONFIG_HOME nor HOME is set)";
        return false;
    }
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    const std::string temporary = path + ".tmp";
    bool ok = false;
    {
        std::ofstream f(temporary, std::ios::binary | std::ios::trunc);
        f << displaySettingsText(settings);
        ok = static_cast<bool>(f.flush());
    }
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        error = "cannot write " + path;
        return false;
    }
    return true;
}
