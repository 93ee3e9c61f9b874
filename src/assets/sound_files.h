#pragma once

// Sounds 1..31 from Sons/Som-NN.wav into the sound list; progress on the window canvas at
// (w/2 - 160, h/2 + 200). A missing file puts up the error scene and adds no item.
void loadSounds(int w, int h);
