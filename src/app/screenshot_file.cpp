#include "app/screenshot_file.h"

#include <cstdlib>
#include <filesystem>

#include "platform/png_writer.h"

namespace fs = std::filesystem;

std::string screenshotFolder() {
    const char* pictures = std::getenv("XDG_PICTURES_DIR");
    if (pictures && *pictures) return (fs::path(pictures) / "torvel-arena").string();
    const char* home = std::getenv("HOME");
    if (home && *home) return (fs::path(home) / "Pictures" / "torvel-arena").string();
    return {};
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
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        error = "cannot create " + folder;
        return {};
    }
    const std::string name = screenshotFileName(when);
    const std::string stem = name.substr(0, name.size() - 4);
    fs::path path = fs::path(folder) / name;
    for (int n = 2; fs::exists(path, ec); ++n)
        path = fs::path(folder) / (stem + "-" + std::to_string(n) + ".png");
    if (!writePng(path.string(), width, height, rgb, error)) return {};
    return path.string();
}
