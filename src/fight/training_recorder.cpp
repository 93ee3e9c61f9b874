#include "fight/training_recorder.h"

#include "fight/animation.h"
#include "fight/commands.h"
#include "fight/training_inputs.h"
#include "fight/training_rules.h"
#include "shell/game_state.h"

namespace {

constexpr int playerIndex = 1;

Recorder recorderState() {
    return static_cast<Recorder>(gs.training.recorder);
}

void setRecorder(Recorder r) {
    gs.training.recorder = static_cast<u8>(r);
}

// A recording and its playback start from the same clean controls, so that the same
// inputs make the same moves.
void startDriving(personagem& d) {
    d.inUp = d.inDown = d.inLeft = d.inRight = 0;
    d.inUpPrev = d.inDownPrev = d.inLeftPrev = d.inRightPrev = 0;
    d.inButtons = {};
    d.inButtonsPrev = {};
    d.motionState = {};
    d.motionTimer = {};
}

} // namespace

void toggleDummyRecording() {
    TrainingState& t = gs.training;
    if (recorderState() == Recorder::recording) {
        setRecorder(Recorder::idle);
        return;
    }
    startDriving(gs.fighter(dummyIndex));
    t.recordLength = 0;
    t.playCursor = 0;
    setRecorder(Recorder::recording);
}

void toggleDummyPlayback() {
    TrainingState& t = gs.training;
    if (recorderState() == Recorder::playing) {
        setRecorder(Recorder::idle);
        return;
    }
    if (t.recordLength == 0) return;
    startDriving(gs.fighter(dummyIndex));
    t.playCursor = 0;
    setRecorder(Recorder::playing);
}

void trainingPlayerStep(int index) {
    const personagem& f = gs.fighter(index);
    noteTrainingInput(packedInput(f));
    if (recorderState() == Recorder::recording)
        requestAnimation(index, "PARADO");
    else
        readCommands(index);
}

bool recorderDrivesDummy(int index) {
    TrainingState& t = gs.training;
    personagem& d = gs.fighter(index);
    // A state read from elsewhere may hold any numbers: the recorder never reads past
    // its recording.
    if (t.recordLength > t.recording.size()) t.recordLength = 0;
    if (t.playCursor >= t.recordLength) t.playCursor = 0;
    if (t.recordLength == 0 && recorderState() == Recorder::playing) setRecorder(Recorder::idle);
    if (t.recordLength == t.recording.size() && recorderState() == Recorder::recording)
        setRecorder(Recorder::idle);
    switch (recorderState()) {
    case Recorder::recording: {
        const u16 input = packedInput(gs.fighter(playerIndex), d);
        applyPackedInput(d, input);
        t.recording[t.recordLength] = input;
        t.recordLength += 1;
        if (t.recordLength == t.recording.size()) setRecorder(Recorder::idle);
        break;
    }
    case Recorder::playing:
        applyPackedInput(d, t.recording[t.playCursor]);
        t.playCursor += 1;
        if (t.playCursor >= t.recordLength) {
            t.playCursor = 0;
            if (t.playbackLoop == 0) setRecorder(Recorder::idle);
        }
        break;
    case Recorder::idle:
    default:
        return false;
    }
    readCommands(index);
    return true;
}
