#include "app/resimulation.h"

#include "app/frame.h"
#include "assets/config_file.h"
#include "shell/presentation.h"
#include "shell/scene_change.h"

Resimulation::Resimulation()
    : presenting_(presenting()), pace_(frameControl.pace), capture_(frameControl.capture) {
    setPresenting(false);
    frameControl.pace = false;
    frameControl.capture = nullptr;
    setTraceMuted(true);
    setConfigWritesHeld(true);
}

Resimulation::~Resimulation() {
    setPresenting(presenting_);
    frameControl.pace = pace_;
    frameControl.capture = capture_;
    setTraceMuted(false);
    setConfigWritesHeld(false);
}
