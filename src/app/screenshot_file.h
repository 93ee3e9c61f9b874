// The player's screenshots: PNG files in $XDG_PICTURES_DIR/torvel-arena/ (or
// ~/Pictures/torvel-arena/), named by date and time.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// Empty when neither XDG_PICTURES_DIR nor HOME is set.
std::string screenshotFolder();
// "torvel-arena_2026-12-10_21-30-05.png"
std::string screenshotFileName(const std::tm& when);
// Writes the picture (RGB, top row first) into the folder under the name of `when`,
// with "-2", "-3"... before the extension when that name is taken. The path written,
// or empty with a message.
std::string saveScreenshot(const std::vector<std::uint8_t>& rgb, int width, int height,
                           const std::tm& when, std::string& error);
