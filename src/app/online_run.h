// The run of an online session: the paced frames both sides play through, the local
// player's keys (the quit question stands in for the pause), the screens before the
// start and the message at the end.
#pragma once

#include <cstddef>

#include "app/command_line.h"
#include "app/local_controls.h"
#include "app/online_session.h"
#include "app/run_outputs.h"
#include "shell/input_script.h"

struct SessionRun {
    const CommandLine& options;
    const InputScript& script;
    std::size_t& nextEvent; // the script's next event; online its ticks count the session's
    RunOutputs& outputs;
    // The number of the first frame before the start: the waiting screens' frames go on
    // from the run's ticks so far, for --shot.
    long long firstFrame = 1;
};

// Options for the session from the command line; false with why when --net-sim is wrong.
bool sessionOptions(const CommandLine& options, SessionOptions& out, std::string& error);

// The host's start: the state in play (the versus presentation about to begin) becomes
// session tick 0 of a "P1 VS P2" match online.
void prepareHostStart();

// A session's end told to the player (stderr, and a message screen in a window); the
// exit status it leaves.
int reportSessionEnd(const OnlineSession& session);

// Back to playing alone, at the title: the session's marks are cleared and the joiner
// gets its own settings back (`own`, null for the host, whose settings the session used).
void returnToOfflinePlay(const GameState* own);

// Plays the session to its end. The exit status; `offline` tells whether the program
// goes on offline at the title (windowed runs) or ends.
int playSession(OnlineSession& session, LocalControls& local, const SessionRun& run, bool& offline);
