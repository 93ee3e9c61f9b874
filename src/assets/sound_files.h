#pragma once

enum class WaveList;

// Sounds 1..31 from Sons/Som-NN.wav into the sound list; progress on the window canvas at
// (w/2 - 160, h/2 + 200). A missing file puts up the error scene and adds no item.
void loadSounds(int w, int h);

// Items 1..count of a list from the files `pattern` names (printf, given the number),
// each name written at (x, y) while it loads. A missing file puts up the error scene and
// adds no item; a damaged one keeps its place and plays nothing.
void loadWaveFiles(WaveList list, const char* pattern, int count, int x, int y);
