// The display's settings, kept apart from "Config.dat" (whose 42 lines are fixed) in
// "display.cfg" in the settings folder: lines "NAME=VALUE", for now "fullscreen=0|1".
// Lines it does not know are ignored, so a newer game's file still reads.
#pragma once

#include <string>

struct DisplaySettings {
    bool fullscreen = false;
};

// Empty when there is no settings folder.
std::string displaySettingsPath();
// The defaults where the file is missing or a value is not understood.
DisplaySettings loadDisplaySettings();
DisplaySettings parseDisplaySettings(const std::string& text);
std::string displaySettingsText(const DisplaySettings& settings);
// Creates the folder and writes through a temporary file and a rename. False with a
// message on failure.
bool saveDisplaySettings(const DisplaySettings& settings, std::string& error);
