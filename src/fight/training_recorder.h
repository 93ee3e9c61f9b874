// The dummy's recorder: while recording, player 1's controls drive the dummy (player 1's
// own fighter stands) for up to 10 seconds and are kept; a playback drives the dummy with
// them again, once or round and round, from whichever side it stands on.
#pragma once

// F6: starts a recording (ending a playback), or ends the one under way.
void toggleDummyRecording();
// F7: plays the recording on the dummy, or ends the playback under way. Nothing without a
// recording.
void toggleDummyPlayback();
// Player 1's tick in training: its controls go to the input history, then to its own
// fighter, or to the dummy while recording.
void trainingPlayerStep(int index);
// The dummy's tick while the recorder drives it; false when it does not.
bool recorderDrivesDummy(int index);
