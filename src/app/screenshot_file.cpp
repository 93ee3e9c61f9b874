#include "app/screenshot_file.h"

#include "platform/player_folders.h"
#include "platform/png_writer.h"

std::string screenshotFolder() {
    return playerFolder("XDG_PICTURES_DIR", "Pictures");
}

std::string screenshotFileName(const std::tm& when) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &when);
    return std::string("torvel-arena_") + stamp + ".png";
}

std::string saveScreenshot(const std::vector<std::uint8_t>& rgb, int width, int height,
                           const std::tm& when, std::string& error) {
    const std::string folder = screenshotFolder();
    if (folder.empty()) {
        error = "no folder for screenshots (neither XDG_PICTURES_DIR nor HOME is set)";
        return {};
    }
    const std::string path = freeFilePath(folder, screenshotFileName(when), error);
    if (path.empty() || !writePng(path, width, height, rgb, error)) return {};
    return path;
}
