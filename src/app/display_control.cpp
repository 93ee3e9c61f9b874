#include "app/display_control.h"

#include <cstdio>
#include <ctime>
#include <vector>

#include "app/screenshot_file.h"
#include "app/screenshot_notice.h"
#include "assets/display_settings.h"
#include "platform/keys.h"

namespace {

constexpr u8 f11 = vk::F1 + 10, f12 = vk::F1 + 11;

} // namespace

bool fullscreenAtStart(const CommandLine& options) {
    return !options.headless && (options.fullscreen || loadDisplaySettings().fullscreen);
}

void toggleFullscreen() {
    if (windowIsHeadless()) return;
    windowSetFullscreen(!windowIsFullscreen());
    DisplaySettings settings = loadDisplaySettings();
    settings.fullscreen = windowIsFullscreen();
    std::string error;
    if (!saveDisplaySettings(settings, error))
        std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
}

void takeScreenshot() {
    std::vector<std::uint8_t> rgb;
    int width = 0, height = 0;
    if (!windowReadPicture(rgb, width, height)) return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::string error;
    const std::string path = saveScreenshot(rgb, width, height, local, error);
    if (path.empty()) std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
    startScreenshotNotice(!path.empty());
}

bool handleDisplayEvent(const WindowEvent& e) {
    if (e.kind == WindowEvent::ToggleFullscreen)
        toggleFullscreen();
    else if (e.kind == WindowEvent::Screenshot)
        takeScreenshot();
    else
        return false;
    return true;
}

bool takeScriptDisplayKey(u8 key, bool down) {
    if (key != f11 && key != f12) return false;
    if (down) key == f12 ? takeScreenshot() : toggleFullscreen();
    return true;
}
