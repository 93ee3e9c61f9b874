// An online session as a mode of the loop: the frames both sides play through at 40 a
// second (the side that runs ahead stretches its own), the local player's keys (the quit
// question stands in for the pause), the screens before the start, the frozen battle
// while the peer is late, and the message the session ends with.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/local_controls.h"
#include "app/online_session.h"
#include "app/play_mode.h"
#include "shell/saved_state.h"

class LocalPlay;

class OnlineMode : public PlayMode {
  public:
    explicit OnlineMode(const CommandLine& options);
    // Opens the session: the host listens, the joiner calls. False with why.
    bool open(std::string& error);
    // Where play goes on after the session, in a window.
    void returnsTo(LocalPlay& local) { local_ = &local; }

    // The host, playing alone before the start: reads the session. False once it has
    // ended (a joiner refused): this mode then only tells the player.
    bool pollWhileHostAlone();
    // The host's start: the state in play (the versus presentation about to begin)
    // becomes session tick 0 of a "P1 VS P2" match online.
    void offerStart();
    // The exit status the session leaves: 1 when it was lost, out of sync or refused.
    int status() const { return status_; }

    RunMode runModeFrom(const RunMode& base) const override;
    void enter(TickLoop& loop) override;
    void leave(TickLoop& loop) override;
    bool over() const override { return stage_ == Stage::Over; }
    void key(std::uint8_t vk, bool down) override;
    void focusLost() override { controls_.releaseAll(); }
    void closed() override;
    FrameEnd frame(TickLoop& loop) override;
    void drawOver() override;
    PlayMode* next() override;

    // ESC asks "SAIR DO JOGO ?" over the running battle, which goes on for both players:
    // "SIM" ends the session for both, "NÃO" or ESC again closes the question.
    struct QuitQuestion {
        bool open = false;
        int cursor = 2;
        // True when the local player chose to leave.
        bool key(std::uint8_t vk, const LocalControls& local);
    };

  private:
    enum class Stage { Session, Message, Over };
    void playFrame(TickLoop& loop);
    bool stalled(std::int64_t nowMs) const;
    void showFrozen();
    void drawWaiting();
    void endSession(TickLoop& loop);
    FrameEnd showMessage();

    const CommandLine& options_;
    std::unique_ptr<OnlineSession> session_;
    LocalPlay* local_ = nullptr;
    Stage stage_ = Stage::Session;
    // Set up when the session is played here (not when it only ends before its start).
    bool played_ = false;
    LocalControls controls_;
    QuitQuestion question_;
    bool frozen_ = false;
    // The link is silent (the session says when it stops and starts again).
    bool interrupted_ = false;
    bool closed_ = false;
    // The joiner plays by the host's settings and gets its own back afterwards.
    std::unique_ptr<SavedState> own_;
    // The state a frozen picture is drawn from, put back after it.
    std::unique_ptr<SavedState> beforeFrozen_;
    std::int64_t deadline_ = 0, playFrom_ = 0, lastTickMs_ = 0, messageUntil_ = 0;
    long long waitFrame_ = 1;
    int mostRolledBack_ = 0;
    std::string messageTitle_;
    std::vector<std::string> messageLines_;
    int status_ = 0;
};

// Back to playing alone, at the title: the session's marks are cleared and the joiner
// gets its own settings back (`own`, null for the host, whose settings the session used).
void returnToOfflinePlay(const GameState* own);
