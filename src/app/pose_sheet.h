// A contact sheet of poses on both fighters, for posing: each pose drawn on TORVEL and
// on SEU BRANDOLIM, labelled, over a floor line. Needs a window (run under Xvfb).
#pragma once

#include <string>

#include "app/command_line.h"

// Renders poses first..last to a PNG; returns false with a message on failure.
bool writePoseSheet(const std::string& path, int first, int last, std::string& error);
// Renders the frames of an animation of character 1 or 2, as the fighter update plays it
// (at most 48 frames), to a PNG.
bool writeAnimationStrip(const std::string& path, const std::string& anim, int character,
                         std::string& error);
// The sheet or strip the command line asks for, from a game just created; the exit status (1, with
// why printed, when it could not be made).
int writePoseTool(const CommandLine& options);
