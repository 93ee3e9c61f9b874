#include "app/online_run.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "app/display_control.h"
#include "app/frame.h"
#include "app/online_screens.h"
#include "app/script_events.h"
#include "assets/config_file.h"
#include "fight/fighter_setup.h"
#include "menus/options_menu.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/presentation.h"
#include "shell/scene_change.h"

namespace {

constexpr std::int64_t frameMs = 25;
// The end's message stays this long, or until a key.
constexpr std::int64_t messageMs = 3000;

std::int64_t nowMs() {
    return monotonicMicros() / 1000;
}

void sleepUntil(std::int64_t ms) {
    const std::int64_t wait = ms - nowMs();
    if (wait > 0) std::this_thread::sleep_for(std::chrono::milliseconds(wait));
}

// ESC asks "SAIR DO JOGO ?" over the running battle, which goes on for both players:
// "SIM" ends the session for both, "NÃO" or ESC again closes the question.
struct QuitQuestion {
    bool open = false;
    int cursor = 2;

    // True when the local player chose to leave.
    bool key(std::uint8_t vk, const LocalControls& local) {
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
};

struct Frame {
    OnlineSession& session;
    LocalControls& local;
    QuitQuestion question;
    bool frozen = false;
};

// The picture of a battle waiting for its peer: the next tick shown without sound, then
// the state put back as it was.
void showFrozen(Frame& f) {
    if (!presenting()) return;
    static auto keep = std::make_unique<SavedState>();
    saveState(*keep);
    setTraceMuted(true);
    setConfigWritesHeld(true);
    frameControl.silent = true;
    f.frozen = true;
    TickInput still;
    still.session = true;
    advanceReplayedTick(still);
    f.frozen = false;
    frameControl.silent = false;
    setConfigWritesHeld(false);
    setTraceMuted(false);
    loadState(*keep);
}

void drawWaiting(const OnlineSession& session, const CommandLine& options) {
    if (!presenting()) return;
    if (session.phase() == OnlineSession::Phase::Waiting)
        drawSessionScreen("AGUARDANDO OPONENTE",
                          {"PORTA " + std::to_string(session.port()), "", "ESC CANCELA"});
    else
        drawSessionScreen(
            "CONECTANDO",
            {options.joinAddress + " : " + std::to_string(options.joinPort), "", "ESC CANCELA"});
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

void showEnd(const OnlineSession& s) {
    const std::string title = endTitle(s);
    if (title.empty() || !presenting()) return;
    std::vector<std::string> lines;
    if (s.end() == SessionEnd::Refused) lines.push_back(s.endText());
    if (s.end() == SessionEnd::Desync && !s.replayPath().empty())
        lines.push_back("O REPLAY DA PARTIDA FOI SALVO");
    const std::int64_t until = nowMs() + messageMs;
    while (nowMs() < until) {
        WindowEvent e;
        bool leave = false;
        while (windowPollEvent(e))
            leave = leave ||
                    (!handleDisplayEvent(e) && (e.kind == WindowEvent::Quit ||
                                                (e.kind == WindowEvent::KeyDown && !e.repeat)));
        if (leave) break;
        drawSessionScreen(title, lines);
        sleepUntil(nowMs() + frameMs);
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

bool sessionOptions(const CommandLine& options, SessionOptions& out, std::string& error) {
    out.host = options.hostPort.has_value();
    out.port = out.host ? *options.hostPort : options.joinPort;
    out.address = options.joinAddress;
    out.inputDelay = options.inputDelay;
    out.recordPath = options.recordPath;
    return options.netSim.empty() || parseNetConditions(options.netSim, out.conditions, error);
}

void prepareHostStart() {
    chooseGameMode(2);
    gs.onlineSession = 1;
    gs.rematchReady = {};
}

int playSession(OnlineSession& session, LocalControls& local, const SessionRun& run,
                bool& offline) {
    const CommandLine& options = run.options;
    const bool scripted = !options.scriptPath.empty();
    if (options.ticks) session.setTickLimit(static_cast<std::uint32_t>(*options.ticks));
    Frame f{session, local, {}, false};
    frameControl.pace = false;
    frameControl.overlay = [&f] {
        if (f.frozen) return drawFrozenNotice();
        drawLinkLine(f.session.roundTripMs(), f.session.rolledBack());
        if (f.question.open) drawQuitQuestion(f.question.cursor);
    };

    bool closed = false;
    auto keyEvent = [&](const KeyEvent& k) {
        local.setKey(k.vk, k.down != 0);
        // Before the start ESC gives up waiting.
        if (session.phase() != OnlineSession::Phase::Playing) {
            if (k.down != 0 && k.vk == vk::Escape) session.quit();
            return;
        }
        if (k.down != 0 && f.question.key(k.vk, local)) session.quit();
    };

    std::int64_t deadline = nowMs(), playFrom = 0;
    long long waitFrame = run.firstFrame;
    int mostRolledBack = 0;
    bool interrupted = false;
    while (session.phase() != OnlineSession::Phase::Ended) {
        const std::int64_t now = nowMs();
        WindowEvent e;
        while (windowPollEvent(e)) {
            if (e.kind == WindowEvent::Quit) {
                closed = true;
                session.quit();
            }
            if (handleDisplayEvent(e) || scripted) continue;
            if (e.kind == WindowEvent::FocusLost) local.releaseAll();
            if ((e.kind == WindowEvent::KeyDown && !e.repeat) || e.kind == WindowEvent::KeyUp)
                if (e.vk != 0) keyEvent({e.vk, static_cast<u8>(e.kind == WindowEvent::KeyDown)});
        }
        session.poll(now);
        while (const std::optional<LinkEvent> link = session.nextEvent())
            interrupted = *link == LinkEvent::Interrupted;
        if (session.phase() == OnlineSession::Phase::Ended) break;

        if (session.phase() == OnlineSession::Phase::Playing) {
            if (playFrom == 0) playFrom = now;
            const long long tick = session.tick() + 1;
            TickInput scriptKeys;
            while (run.nextEvent < run.script.events.size() &&
                   run.script.events[run.nextEvent].tick <= tick)
                applyScriptEvent(run.script.events[run.nextEvent++], scriptKeys);
            for (const KeyEvent& k : scriptKeys.keys) keyEvent(k);

            setTraceTick(tick);
            run.outputs.beforeTick(tick);
            const std::int64_t start = monotonicMicros();
            if (session.frame(local.word(f.question.open))) {
                run.outputs.afterTick(tick, monotonicMicros() - start);
                mostRolledBack = std::max(mostRolledBack, session.rolledBack());
            } else if (interrupted)
                showFrozen(f);
            session.afterFrame(nowMs());
        } else {
            run.outputs.beforeScreen(waitFrame);
            drawWaiting(session, options);
            run.outputs.afterScreen(waitFrame++);
        }

        deadline += frameMs + session.frameStretchMs();
        if (deadline < now - 4 * frameMs) deadline = now;
        sleepUntil(deadline);
    }
    frameControl.overlay = nullptr;
    const double seconds = playFrom ? std::max<double>(1, nowMs() - playFrom) / 1000.0 : 1.0;
    char line[300];
    std::snprintf(line, sizeof line,
                  "online: sent %.0f bytes/s, received %.0f bytes/s, %s, "
                  "at most %d ticks rolled back",
                  static_cast<double>(session.bytesSent()) / seconds,
                  static_cast<double>(session.bytesReceived()) / seconds,
                  session.packetsDroppedText().c_str(), mostRolledBack);
    run.outputs.addStatsLine(line);
    run.outputs.stopCounting();
    offline = !closed && !windowIsHeadless();
    return reportSessionEnd(session);
}

int reportSessionEnd(const OnlineSession& session) {
    const std::string title = endTitle(session);
    if (!title.empty())
        std::fprintf(stderr, "torvel-arena: %s%s%s\n", title.c_str(),
                     session.end() == SessionEnd::Refused ? ": " : "",
                     session.end() == SessionEnd::Refused ? session.endText().c_str() : "");
    showEnd(session);
    return exitStatus(session.end());
}

void returnToOfflinePlay(const GameState* own) {
    gs.onlineSession = 0;
    gs.rematchReady = {};
    if (own) copyPlayerSettings(gs, *own);
    if (!(gs.sceneName == "OPCOES")) leaveForTitle();
}
