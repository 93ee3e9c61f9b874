// A contact sheet of poses on both fighters, for posing: each pose drawn on TORVEL and
// on SEU BRANDOLIM, labelled, over a floor line. Needs a window (run under Xvfb).
#pragma once

#include <string>

// Renders poses first..last to a PNG; returns false with a message on failure.
bool writePoseSheet(const std::string& path, int first, int last, std::string& error);
