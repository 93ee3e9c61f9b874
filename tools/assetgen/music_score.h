// The music's score format (content/music/*.score), read into timed note events.
// content/music.md describes the format; in short:
//
//   # a comment     ("#" and a blank; "F#4" is a pitch)
//   tempo 124          quarter notes per minute
//   bar 16             sixteenths per bar
//   swing 0.5          where the off-beat eighth falls within the beat (0.5 = straight)
//   loop yes|no        whether the piece loops (its end joins its start)
//   reverb 0.2         reverb send of the whole mix
//   voice NAME INSTRUMENT pan P gain G [octave N]
//   pattern NAME       then bars "| note note ... |" on the following lines
//   section NAME BARS VOICE:PATTERN ...   each pattern repeated to fill the bars
//   form SECTION SECTION ...
//
// Notes: a pitch (C4, F#5, Bb3) or a chord of pitches joined by "+" (C4+E4+G4), or a
// chord name in braces ({G}, {Am}, {D7}) voiced around octave 3, or a hit name for drums
// (Z, z, b, o, x), or r for a rest, each with "/N" for N sixteenths (default: the last
// length given). A leading ">" accents a note, a leading "'" plays it softly; "-" holds
// the previous note N sixteenths longer.
#pragma once

#include <string>
#include <vector>

struct ScoreVoice {
    std::string name, instrument;
    double pan = 0, gain = 1;
    int octave = 0;
};

struct ScoreNote {
    int voice = 0;                // index into voices
    double start = 0, length = 0; // seconds
    std::vector<int> pitches;     // MIDI numbers; empty for a drum hit
    std::string hit;              // drum hit name
    double velocity = 0.8;
};

struct Score {
    std::string name;
    double tempo = 120, swing = 0.5, reverb = 0.15;
    int bar = 16;
    bool loop = false;
    std::vector<ScoreVoice> voices;
    std::vector<ScoreNote> notes;
    int bars = 0;
    double length = 0; // seconds: the loop length, or the last bar's end
};

// Reads a score; throws std::runtime_error naming the file and line on a mistake (a bar
// whose lengths do not add up to the bar, an unknown voice, pattern or section).
Score readScore(const std::string& path);
