// Ogg Vorbis files of the music (libvorbis), and the figures a piece is checked by:
// length, loudness and the step at its loop point, measured on the decoded file.
#pragma once

#include <string>
#include <vector>

#include "music_synth.h"

// Encodes at Vorbis quality `quality` (-0.1 .. 1); false on a write error.
bool writeOgg(const std::string& path, const Stereo& audio, int rate, float quality,
              const std::vector<std::string>& comments);
// Decodes the whole file; false when it is not a readable Ogg Vorbis file.
bool readOgg(const std::string& path, Stereo& audio, int& rate);

struct PieceFigures {
    double seconds = 0;
    double rmsDb = 0, peakDb = 0;
    // The jump from the last sample to the first, and the 99.9th percentile of the
    // piece's own sample-to-sample steps, in dBFS: a loop is seamless when its jump is
    // no larger than the steps the music takes anyway.
    double loopJumpDb = 0, stepP999Db = 0;
};
PieceFigures measurePiece(const Stereo& audio, int rate);
