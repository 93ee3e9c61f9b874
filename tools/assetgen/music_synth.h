// The music's synthesis: instrument models, the mix, a touch of reverb and a limiter.
#pragma once

#include <vector>

#include "music_score.h"

constexpr int kMusicRate = 22050; // the game's mixer rate

struct Stereo {
    std::vector<float> left, right;
    std::size_t size() const { return left.size(); }
};

struct MixFigures {
    double rawRmsDb = 0;                         // the mix before mastering
    double rmsDb = 0, peakDb = 0, limiterDb = 0; // after mastering; limiter: deepest cut
};

// Renders the score, mastered to `targetRmsDb` with peaks held under `ceilingDb`. A
// looping piece is exactly its loop long, every tail (release, ring, reverb) wrapped onto
// its start so that the end joins the start; a piece that plays once keeps its tail.
Stereo renderScore(const Score& score, double targetRmsDb, double ceilingDb, MixFigures& figures);
