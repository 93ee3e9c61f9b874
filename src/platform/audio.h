// The two lists of wave items: sound effects and music. Item 0 of each is the empty
// placeholder "Vazio". Volumes are hundredths of a decibel of attenuation (0 = full,
// -10000 = silence). Without an output device (headless, or before it is opened) the
// lists are kept and counted the same way; only nothing is heard.
#pragma once

#include <string>

enum class WaveList { Sounds, Music };

void audioResetLists();
int waveCount(WaveList list);
// Appends an item holding the file's data, a RIFF wave or an Ogg Vorbis file. A file that
// cannot be read adds nothing (false); a file that is neither playable wave nor Ogg
// Vorbis still takes its place in the list but plays nothing, with a warning.
bool waveAppendFile(WaveList list, const std::string& path);
void waveSetVolume(WaveList list, int index, int hundredthsOfDb);
void waveSetLooped(WaveList list, int index, bool looped);
void wavePlay(WaveList list, int index);

// The music player: one piece at a time, decoded from its file as it plays. Starting a
// piece fades the one before it out over half a second; `looped` pieces repeat without a
// gap. wavePlay plays no music item.
// Volumes are those of the volume screen: 0 full, -2000 silent; `halved` halves it.
void musicStart(int index, bool looped, int hundredthsOfDb, bool halved);
void musicFadeOut();
void musicSetVolume(int hundredthsOfDb, bool halved);
// The piece last started and not faded out since (0: none), whether or not it has ended.
int musicCurrent();
// Whether that piece is sounding now (false for a damaged one, or without a device).
bool musicSounding();

// Opens the output device; does nothing when output is disabled (headless runs).
void audioOpenDevice();
void audioSetOutputEnabled(bool enabled);
void audioClose();

// SDL_mixer volume 0..128 for an attenuation in hundredths of a decibel.
int mixerVolumeFor(int hundredthsOfDb);
// SDL_mixer volume 0..128 for the music's setting: the bar of the volume screen squared,
// so that 0 is full, -1000 (half the bar) a quarter and -2000 (an empty bar) silence.
int musicMixerVolumeFor(int hundredthsOfDb, bool halved);
