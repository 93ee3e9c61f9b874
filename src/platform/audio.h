// The two lists of wave items: sound effects and music. Item 0 of each is the empty
// placeholder "Vazio". Volumes are hundredths of a decibel of attenuation (0 = full,
// -10000 = silence). Without an output device (headless, or before it is opened) the
// lists are kept and counted the same way; only nothing is heard.
#pragma once

#include <string>

enum class WaveList { Sounds, Music };

void audioResetLists();
int waveCount(WaveList list);
// Appends an item holding the wave file's data. A file that cannot be read adds nothing
// (false); a file that is not a playable wave still takes its place in the list but
// plays nothing.
bool waveAppendFile(WaveList list, const std::string& path);
void waveSetVolume(WaveList list, int index, int hundredthsOfDb);
void waveSetLooped(WaveList list, int index, bool looped);
void wavePlay(WaveList list, int index);

// Opens the output device; does nothing when output is disabled (headless runs).
void audioOpenDevice();
void audioSetOutputEnabled(bool enabled);
void audioClose();

// SDL_mixer volume 0..128 for an attenuation in hundredths of a decibel.
int mixerVolumeFor(int hundredthsOfDb);
