#include "app/online_run.h"

#include <algorithm>
#include <cstdio>

#include "app/frame.h"
#include "app/local_play.h"
#include "app/online_screens.h"
#include "app/tick_loop.h"
#include "fight/fighter_setup.h"
#include "menus/options_menu.h"
#include "platform/keys.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/presentation.h"

namespace {

constexpr std::int64_t frameMs = 25;
// The end's message stays this long, or until a key.
constexpr std::int64_t messageMs = 3000;
// No tick for this long and the battle shows it waits for the peer.
constexpr std::int64_t stallMs = 300;

// Options for the session from the command line; false with why when --net-sim is wrong.
bool sessionOptions(const CommandLine& options, SessionOptions& out, std::string& error) {
    out.host = options.hostPort.has_value();
    out.port = out.host ? *options.hostPort : options.joinPort;
    out.address = options.joinAddress;
    out.inputDelay = options.inputDelay;
    out.recordPath = options.recordPath;
    return options.netSim.empty() || parseNetConditions(options.netSim, out.conditions, error);
}

// What the player is told when the session ends other than by their own choice.
std::string endTitle(const OnlineSession& s) {
    switch (s.end()) {
    case SessionEnd::Refused:
        return "CONEXÃO RECUSADA";
    case SessionEnd::Lost:
    case SessionEnd::Desync:
    case SessionEnd::PeerQuit:
        return s.endText();
    default:
        return "";
    }
}

int exitStatus(SessionEnd end) {
    switch (end) {
    case SessionEnd::Lost:
    case SessionEnd::Desync:
    case SessionEnd::Refused:
        return 1;
    default:
        return 0;
    }
}

} // namespace

void returnToOfflinePlay(const GameState* own) {
    gs.onlineSession = 0;
    gs.rematchReady = {};
    if (own) copyPlayerSettings(gs, *own);
    if (!(gs.sceneName == "OPCOES")) leaveForTitle();
}

bool OnlineMode::QuitQuestion::key(std::uint8_t vk, const LocalControls& local) {
    if (!open) {
        if (vk == vk::Escape) open = true, cursor = 2;
        return false;
    }
    if (vk == vk::Up || vk == vk::Left) cursor = 1;
    if (vk == vk::Down || vk == vk::Right) cursor = 2;
    const bool confirm = vk == vk::Return || local.isButton(vk, 1);
    const bool back = vk == vk::Escape || local.isButton(vk, 2);
    if (confirm && cursor == 1) return true;
    if (back || confirm) open = false;
    return false;
}

OnlineMode::OnlineMode(const CommandLine& options) : options_(options) {}

bool OnlineMode::open(std::string& error) {
    SessionOptions so;
    session_ = std::make_unique<OnlineSession>();
    return sessionOptions(options_, so, error) && session_->open(so, error);
}

bool OnlineMode::pollWhileHostAlone() {
    session_->poll(loopNowMs());
    return session_->phase() != OnlineSession::Phase::Ended;
}

void OnlineMode::offerStart() {
    chooseGameMode(2);
    gs.onlineSession = 1;
    gs.rematchReady = {};
    session_->offerStart();
}

// Both sides pace their own frames: the side ahead stretches them.
RunMode OnlineMode::runModeFrom(const RunMode& base) const {
    RunMode m = base;
    m.pace = false;
    return m;
}

void OnlineMode::enter(TickLoop&) {
    deadline_ = loopNowMs();
    if (session_->phase() == OnlineSession::Phase::Ended) return;
    played_ = true;
    waitFrame_ = local_ ? local_->tick() : 1;
    controls_.capture();
    controls_.setHeld(heldKeys());
    if (!options_.hostPort) {
        own_ = std::make_unique<SavedState>();
        saveState(*own_);
    }
    if (options_.ticks) session_->setTickLimit(static_cast<std::uint32_t>(*options_.ticks));
}

void OnlineMode::key(std::uint8_t vk, bool down) {
    if (stage_ == Stage::Message) {
        if (down) stage_ = Stage::Over;
        return;
    }
    controls_.setKey(vk, down);
    // Before the start ESC gives up waiting.
    if (session_->phase() != OnlineSession::Phase::Playing) {
        if (down && vk == vk::Escape) session_->quit();
        return;
    }
    if (down && question_.key(vk, controls_)) session_->quit();
}

void OnlineMode::closed() {
    closed_ = true;
    if (stage_ == Stage::Message) stage_ = Stage::Over;
    if (stage_ == Stage::Session) session_->quit();
}

FrameEnd OnlineMode::frame(TickLoop& loop) {
    if (stage_ == Stage::Session) playFrame(loop);
    if (stage_ == Stage::Session && session_->phase() == OnlineSession::Phase::Ended)
        endSession(loop);
    if (stage_ == Stage::Message) return showMessage();
    return {stage_ == Stage::Session ? deadline_ : 0};
}

void OnlineMode::playFrame(TickLoop& loop) {
    const std::int64_t now = loopNowMs();
    OnlineSession& session = *session_;
    session.poll(now);
    while (const std::optional<LinkEvent> link = session.nextEvent())
        interrupted_ = *link == LinkEvent::Interrupted;
    if (session.phase() == OnlineSession::Phase::Ended) return;

    if (session.phase() == OnlineSession::Phase::Playing) {
        if (playFrom_ == 0) playFrom_ = now;
        const long long tick = session.tick() + 1;
        loop.deliverScript(*this, tick);
        if (loop.runTick(tick, [&] { return session.frame(controls_.word(question_.open)); })) {
            mostRolledBack_ = std::max(mostRolledBack_, session.rolledBack());
            lastTickMs_ = now;
        } else if (interrupted_ || stalled(now)) {
            showFrozen();
        }
        session.afterFrame(loopNowMs());
    } else {
        loop.showScreen(waitFrame_++, [this] { drawWaiting(); });
    }

    deadline_ += frameMs + session.frameStretchMs();
    if (deadline_ < now - 4 * frameMs) deadline_ = now;
}

// No tick could run for a while though the link still speaks (the peer's inputs lost one
// way only): the battle stands still as well.
bool OnlineMode::stalled(std::int64_t nowMs) const {
    const bool limitReached = options_.ticks && session_->tick() >= *options_.ticks;
    return !limitReached && nowMs - std::max(lastTickMs_, playFrom_) >= stallMs;
}

// The picture of a battle waiting for its peer: the next tick shown without sound, then
// the state put back as it was.
void OnlineMode::showFrozen() {
    if (!presenting()) return;
    if (!beforeFrozen_) beforeFrozen_ = std::make_unique<SavedState>();
    saveState(*beforeFrozen_);
    RunMode frozen = runMode;
    frozen.silent = frozen.traceMuted = frozen.settingsHeld = true;
    {
        const RunModeScope still(frozen);
        frozen_ = true;
        TickInput none;
        none.session = true;
        advanceReplayedTick(none);
        frozen_ = false;
    }
    loadState(*beforeFrozen_);
}

void OnlineMode::drawWaiting() {
    if (!presenting()) return;
    if (session_->phase() == OnlineSession::Phase::Waiting)
        drawSessionScreen("AGUARDANDO OPONENTE",
                          {"PORTA " + std::to_string(session_->port()), "", "ESC CANCELA"});
    else
        drawSessionScreen(
            "CONECTANDO",
            {options_.joinAddress + " : " + std::to_string(options_.joinPort), "", "ESC CANCELA"});
}

void OnlineMode::drawOver() {
    if (stage_ != Stage::Session) return;
    if (frozen_) return drawFrozenNotice();
    drawLinkLine(session_->roundTripMs(), session_->rolledBack());
    if (question_.open) drawQuitQuestion(question_.cursor);
}

// The session is over: its traffic goes to --stats, the player is told why it ended
// (stderr, and a message for a few seconds in a window), and no tick of the play that
// follows is shot or dumped.
void OnlineMode::endSession(TickLoop& loop) {
    const OnlineSession& s = *session_;
    if (played_) {
        const double seconds =
            playFrom_ ? std::max<double>(1, loopNowMs() - playFrom_) / 1000.0 : 1.0;
        char line[300];
        std::snprintf(line, sizeof line,
                      "online: sent %.0f bytes/s, received %.0f bytes/s, %s, "
                      "at most %d ticks rolled back",
                      static_cast<double>(s.bytesSent()) / seconds,
                      static_cast<double>(s.bytesReceived()) / seconds,
                      s.packetsDroppedText().c_str(), mostRolledBack_);
        loop.outputs().addStatsLine(line);
        loop.outputs().stopCounting();
    }
    const std::string title = endTitle(s);
    const bool refused = s.end() == SessionEnd::Refused;
    if (!title.empty())
        std::fprintf(stderr, "torvel-arena: %s%s%s\n", title.c_str(), refused ? ": " : "",
                     refused ? s.endText().c_str() : "");
    status_ = exitStatus(s.end());
    stage_ = Stage::Over;
    if (title.empty() || !presenting()) return;
    messageTitle_ = title;
    messageLines_.clear();
    if (refused) messageLines_.push_back(s.endText());
    if (s.end() == SessionEnd::Desync && !s.replayPath().empty())
        messageLines_.push_back("O REPLAY DA PARTIDA FOI SALVO");
    messageUntil_ = loopNowMs() + messageMs;
    stage_ = Stage::Message;
}

FrameEnd OnlineMode::showMessage() {
    const std::int64_t now = loopNowMs();
    if (now >= messageUntil_) {
        stage_ = Stage::Over;
        return {};
    }
    drawSessionScreen(messageTitle_, messageLines_);
    return {now + frameMs};
}

// A session played in a window goes back to playing alone at the title; one that was
// only refused before its start leaves the host where it was.
void OnlineMode::leave(TickLoop&) {
    const bool offline = !closed_ && !windowIsHeadless();
    if (played_ && offline) returnToOfflinePlay(own_ ? &own_->game : nullptr);
    session_.reset();
}

PlayMode* OnlineMode::next() {
    return !closed_ && !windowIsHeadless() ? local_ : nullptr;
}
