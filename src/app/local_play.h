// Live play: the ticks run as they come, from the keyboard and joysticks or a script, at
// 40 a second in a window (as fast as they go headless). Under --synctest each tick is
// checked by running it again; --record writes the run as a replay; a window keeps a
// replay of every match played. The host of an online session plays here alone until
// its versus presentation, when the session takes over; after a session played in a
// window, play goes on here at the title.
#pragma once

#include <memory>
#include <string>

#include "app/command_line.h"
#include "app/match_recording.h"
#include "app/play_mode.h"
#include "app/replay_recorder.h"
#include "app/sync_test.h"
#include "app/tick_input.h"

class OnlineMode;

class LocalPlay : public PlayMode {
  public:
    // `hosted`: the online session this run hosts, if any; the host plays here alone
    // until the start of its match, then hands over to it.
    LocalPlay(const CommandLine& options, OnlineMode* hosted);

    // The number of the next tick; the frames of an online session's screens go on from it.
    long long tick() const { return tick_; }
    // The run is over: the recordings are closed and the sync test's verdict printed.
    // The exit status of what this mode did (1 when a recording could not be written or
    // the sync test failed).
    int finish();

    void enter(TickLoop& loop) override;
    bool over() const override;
    void key(std::uint8_t vk, bool down) override;
    void focusLost() override;
    void devicesChanged() override;
    void closed() override;
    FrameEnd frame(TickLoop& loop) override;
    PlayMode* next() override;

  private:
    bool advance();
    void afterTick();

    const CommandLine& options_;
    // The session this run hosts, while the host plays alone until the start.
    OnlineMode* hosted_;
    OnlineMode* handedTo_ = nullptr;
    long long tick_ = 1;
    TickInput input_;
    ReplayRecorder recording_;
    bool recorded_ = true;
    MatchRecording matches_;
    const bool keepMatches_;
    std::unique_ptr<SyncTest> sync_;
    bool stopped_ = false;
};
