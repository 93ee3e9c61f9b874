#include "app/online_session.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "app/net_hello.h"
#include "app/replay_store.h"
#include "assets/arena_assets.h"
#include "shell/scene_change.h"
#include "shell/state_dump.h"

namespace {

// Confirmed ticks are checked every 20: their hashes go to the peer every 40 and to the
// trace every 100.
constexpr std::uint32_t checkEvery = 20, sendHashEvery = 40, traceHashEvery = 100;
constexpr std::size_t checksKept = 16;

NetPacket packet(PacketKind kind) {
    NetPacket p;
    p.kind = kind;
    return p;
}

NetPacket textPacket(PacketKind kind, const std::string& text) {
    NetPacket p = packet(kind);
    p.text = text;
    return p;
}

std::string hex(std::uint64_t v) {
    char buf[20];
    std::snprintf(buf, sizeof buf, "%016" PRIx64, v);
    return buf;
}

} // namespace

const char* sessionEndWord(SessionEnd end) {
    static constexpr const char* words[] = {"none", "done",   "quit",    "peer-quit",
                                            "lost", "desync", "refused", "title"};
    return words[static_cast<std::size_t>(end)];
}

bool OnlineSession::open(const SessionOptions& options, std::string& error) {
    options_ = options;
    link_.setConditions(options.conditions);
    if (options.host) {
        phase_ = Phase::Waiting;
        return link_.host(options.port, error);
    }
    phase_ = Phase::Connecting;
    return link_.join(options.address, options.port, error);
}

void OnlineSession::offerStart() {
    start_ = std::make_unique<SavedState>();
    saveState(*start_);
    if (helloHeard_) sendStart();
}

void OnlineSession::sendStart() {
    NetPacket p = packet(PacketKind::Start);
    p.settings = currentMatchSettings();
    p.inputDelay = static_cast<std::uint8_t>(options_.inputDelay);
    p.start = std::shared_ptr<const SavedState>(start_.get(), [](const SavedState*) {});
    link_.send(NetChannel::Control, encodePacket(p));
    beginPlay(options_.inputDelay);
}

void OnlineSession::beginPlay(int inputDelay) {
    game_ = std::make_unique<GameRollback>();
    core_ = std::make_unique<Rollback>(*game_, options_.host ? 0 : 1, inputDelay);
    options_.inputDelay = inputDelay;
    phase_ = Phase::Playing;
    std::string error;
    const std::string path =
        options_.recordPath.empty() ? replaySpoolPath(error) : options_.recordPath;
    if (path.empty() || !recorder_.begin(1, path, error))
        std::fprintf(stderr, "torvel-arena: the session's replay is not kept: %s\n", error.c_str());
    lastHeardMs_ = nowMs_;
}

void OnlineSession::poll(std::int64_t nowMs) {
    nowMs_ = nowMs;
    if (lastHeardMs_ == 0) lastHeardMs_ = nowMs;
    NetEvent e;
    while (phase_ != Phase::Ended && link_.poll(e)) {
        if (e.kind == NetEvent::Connected) {
            heard(nowMs);
            if (!options_.host) link_.send(NetChannel::Control, encodePacket(ourHello()));
        } else if (e.kind == NetEvent::Disconnected) {
            // A joiner that leaves before the start leaves the host waiting for another.
            if (phase_ == Phase::Waiting) {
                helloHeard_ = false;
                continue;
            }
            if (peerDone_ && tickLimit_) continue;
            finish(SessionEnd::Lost, "CONEXÃO PERDIDA");
        } else {
            heard(nowMs);
            NetPacket p;
            const PacketFault fault = decodePacket(e.bytes.data(), e.bytes.size(), p);
            if (fault != PacketFault::None)
                drop(fault);
            else
                receive(p);
        }
    }
    checkSilence(nowMs);
}

void OnlineSession::heard(std::int64_t nowMs) {
    lastHeardMs_ = nowMs;
    if (interrupted_) {
        interrupted_ = false;
        raise(LinkEvent::Resumed);
    }
}

// Playing, every frame brings packets: a silence interrupts the link, and a long one ends
// the session. Before the start only a joiner that finds no host gives up.
void OnlineSession::checkSilence(std::int64_t nowMs) {
    const std::int64_t silentMs = nowMs - lastHeardMs_;
    if (phase_ == Phase::Playing) {
        if (!interrupted_ && silentMs >= linkInterruptMs) {
            interrupted_ = true;
            raise(LinkEvent::Interrupted);
        }
        if (interrupted_ && silentMs > sessionSilenceLimitMs)
            finish(SessionEnd::Lost, "CONEXÃO PERDIDA");
    } else if (phase_ == Phase::Connecting && !link_.connected() &&
               silentMs > sessionSilenceLimitMs) {
        finish(SessionEnd::Lost, "NÃO FOI POSSÍVEL CONECTAR");
    }
}

void OnlineSession::raise(LinkEvent e) {
    traceEvent(e == LinkEvent::Interrupted ? "net interrupted" : "net resumed");
    // The run takes them every frame; one that does not needs only the latest few.
    if (events_.size() == 8) events_.pop_front();
    events_.push_back(e);
}

std::optional<LinkEvent> OnlineSession::nextEvent() {
    if (events_.empty()) return std::nullopt;
    const LinkEvent e = events_.front();
    events_.pop_front();
    return e;
}

void OnlineSession::receive(const NetPacket& p) {
    const bool playing = phase_ == Phase::Playing;
    switch (p.kind) {
    case PacketKind::Hello:
        if (helloHeard_ || phase_ == Phase::Playing) return drop(PacketFault::OutOfPhase);
        return onHello(p);
    case PacketKind::Refuse:
        return finish(SessionEnd::Refused, p.text);
    case PacketKind::Start:
        if (options_.host || playing || !helloHeard_) return drop(PacketFault::OutOfPhase);
        return onStart(p);
    case PacketKind::Inputs: {
        // The host's first inputs may overtake its start; it sends them again.
        if (!playing) return;
        for (std::size_t i = 0; i < p.inputs.size(); ++i)
            core_->addRemote(p.firstTick + static_cast<std::uint32_t>(i), p.inputs[i]);
        peerAck_ = std::max(peerAck_, std::min(p.ackTick, core_->localAddedUntil()));
        peerAdvantage_ = p.advantage;
        const std::uint32_t theirNext = p.firstTick + static_cast<std::uint32_t>(p.inputs.size());
        const auto delay = static_cast<std::uint32_t>(options_.inputDelay);
        if (theirNext >= delay) peerTickSeen_ = std::max(peerTickSeen_, theirNext - delay);
        return;
    }
    case PacketKind::Hash:
        if (!playing) return drop(PacketFault::OutOfPhase);
        theirs_.emplace_back(p.tick, p.hash);
        if (theirs_.size() > checksKept) theirs_.pop_front();
        return compareHashes();
    case PacketKind::Bye:
        switch (p.reason) {
        case ByeReason::Done:
            peerDone_ = true;
            return;
        case ByeReason::Desync:
            return finish(SessionEnd::Desync, "DESSINCRONIZADO");
        case ByeReason::Title:
            return finish(SessionEnd::Title, "");
        case ByeReason::Quit:
            return finish(SessionEnd::PeerQuit, "O OPONENTE SAIU DO JOGO");
        }
        return;
    }
}

// Each side checks the other's hello: the host's refusal names what differs, and so does
// the joiner's should the host be the one that differs.
void OnlineSession::onHello(const NetPacket& p) {
    const std::string mismatch = helloMismatch(p);
    if (!mismatch.empty()) {
        link_.send(NetChannel::Control, encodePacket(textPacket(PacketKind::Refuse, mismatch)));
        return finish(SessionEnd::Refused, mismatch);
    }
    helloHeard_ = true;
    if (!options_.host) return;
    link_.send(NetChannel::Control, encodePacket(ourHello()));
    if (start_) sendStart();
}

// The joiner stands where the host stood at tick 0: the arenas its state had loaded, then
// the state itself.
void OnlineSession::onStart(const NetPacket& p) {
    const GameState& g = p.start->game;
    for (u8 arena = 1; arena <= 2; ++arena)
        if (g.arenaModelsLoaded[arena] == 1) loadArenaAssets(arena);
    loadState(*p.start);
    beginPlay(p.inputDelay);
}

bool OnlineSession::frame(std::uint16_t localWord) {
    if (phase_ != Phase::Playing) return false;
    if (tickLimit_ && core_->tick() >= *tickLimit_) {
        // The last ticks' peer inputs may still come and correct them.
        core_->settle();
        return false;
    }
    return core_->step(localWord);
}

void OnlineSession::recordConfirmed() {
    std::uint32_t frontier = std::min(core_->remoteKnownUntil(), core_->tick());
    if (tickLimit_) frontier = std::min(frontier, *tickLimit_);
    while (confirmed_ < frontier) {
        const std::uint32_t t = confirmed_++;
        // The replay's hashes fall on checked ticks: the check's hash serves both.
        std::optional<std::uint64_t> checked;
        if (confirmed_ % checkEvery == 0) checked = checkpoint(confirmed_);
        recorder_.add(sessionTickInput(core_->wordsOf(t)),
                      [&] { return checked ? checked : core_->confirmedHashBefore(t + 1); });
    }
}

void OnlineSession::afterFrame(std::int64_t nowMs) {
    nowMs_ = nowMs;
    if (phase_ != Phase::Playing) return;
    timeSync_.add(ourAdvantage(), peerAdvantage_);
    recordConfirmed();
    sendInputs();
    compareHashes();
    if (phase_ != Phase::Playing) return;
    // Either player chose the title after a match: the shared game is over for both.
    if (gs.sceneName == "OPCOES" && core_->remoteKnownUntil() >= core_->tick())
        return finish(SessionEnd::Title, "", ByeReason::Title);
    if (tickLimit_ && confirmed_ >= *tickLimit_ && (peerDone_ || peerAck_ >= *tickLimit_))
        finish(SessionEnd::Done, "", ByeReason::Done);
}

// Every tick of ours the peer has not acknowledged, so one lost packet loses nothing.
void OnlineSession::sendInputs() {
    const std::uint32_t n = core_->localAddedUntil();
    if (n == 0) return;
    std::uint32_t from = std::min(peerAck_, n - 1);
    if (n > netMaxInputsPerPacket) from = std::max<std::uint32_t>(from, n - netMaxInputsPerPacket);
    NetPacket p = packet(PacketKind::Inputs);
    p.ackTick = core_->remoteKnownUntil();
    p.firstTick = from;
    p.inputs = core_->localInputsFrom(from);
    p.advantage = static_cast<std::int8_t>(ourAdvantage());
    link_.send(NetChannel::Inputs, encodePacket(p));
}

std::optional<std::uint64_t> OnlineSession::checkpoint(std::uint32_t u) {
    const bool send = u % sendHashEvery == 0;
    std::uint64_t hash = 0;
    auto copy = send ? std::make_unique<SavedState>() : nullptr;
    const bool seen = core_->lookBefore(u, [&] {
        hash = stateHash();
        if (copy) saveState(*copy);
    });
    if (!seen) return std::nullopt;
    if (u % traceHashEvery == 0) traceEvent("net " + std::to_string(u) + " " + hex(hash));
    if (!send) return hash;
    NetPacket p = packet(PacketKind::Hash);
    p.tick = u;
    p.hash = hash;
    link_.send(NetChannel::Control, encodePacket(p));
    ours_.push_back({u, hash, std::move(copy)});
    if (ours_.size() > checksKept) ours_.pop_front();
    return hash;
}

void OnlineSession::compareHashes() {
    for (auto t = theirs_.begin(); t != theirs_.end();) {
        auto o = std::find_if(ours_.begin(), ours_.end(),
                              [&](const Check& c) { return c.tick == t->first; });
        if (o == ours_.end()) {
            ++t;
            continue;
        }
        if (o->hash != t->second) {
            desync(*o);
            return;
        }
        ours_.erase(o);
        t = theirs_.erase(t);
    }
}

// Both sides stop; each writes its replay and the state of the tick whose hashes differ.
void OnlineSession::desync(const Check& check) {
    auto now = std::make_unique<SavedState>();
    saveState(*now);
    loadState(*check.state);
    desyncDump_ = stateDumpJson(check.tick);
    loadState(*now);
    desyncTick_ = check.tick;
    finish(SessionEnd::Desync, "DESSINCRONIZADO", ByeReason::Desync);
}

void OnlineSession::quit() {
    finish(SessionEnd::Quit, "", ByeReason::Quit);
}

void OnlineSession::finish(SessionEnd why, const std::string& text, std::optional<ByeReason> bye) {
    if (end_ != SessionEnd::None) return;
    end_ = why;
    endText_ = text;
    if (core_) recordConfirmed();
    phase_ = Phase::Ended;
    if (bye) {
        NetPacket p = packet(PacketKind::Bye);
        p.reason = *bye;
        link_.send(NetChannel::Control, encodePacket(p));
    }
    writeRecord();
    traceEvent(std::string("net end ") + sessionEndWord(why));
    link_.close(why != SessionEnd::Lost);
}

void OnlineSession::writeRecord() {
    if (!recorder_.active()) return;
    if (recorder_.tickCount() == 0) {
        recorder_.discard();
        return;
    }
    const std::optional<std::uint64_t> last = core_->confirmedHashBefore(confirmed_);
    std::string error;
    if (!options_.recordPath.empty()) {
        if (recorder_.finish(last, options_.recordPath, error)) replayPath_ = options_.recordPath;
    } else {
        replayPath_ = storeMatchReplay(recorder_, error, last);
    }
    if (replayPath_.empty())
        std::fprintf(stderr, "torvel-arena: the session's replay was not kept: %s\n",
                     error.c_str());
    if (end_ == SessionEnd::Desync) writeDesyncDump();
}

// The state of the tick whose hashes differ goes beside the replay, for the two sides'
// dumps to be compared.
void OnlineSession::writeDesyncDump() {
    if (desyncDump_.empty()) {
        std::fprintf(stderr, "torvel-arena: out of sync with the other side, which found the "
                             "hashes that differ and keeps that tick's state\n");
        if (!replayPath_.empty()) std::fprintf(stderr, "  replay: %s\n", replayPath_.c_str());
        return;
    }
    std::fprintf(stderr, "torvel-arena: out of sync with the other side at session tick %u\n",
                 desyncTick_);
    if (!replayPath_.empty()) std::fprintf(stderr, "  replay: %s\n", replayPath_.c_str());
    std::string why;
    if (replayPath_.empty()) {
        why = "there is no replay to keep it beside";
    } else {
        const std::string path = replayPath_ + ".desync-" + std::to_string(desyncTick_) + ".json";
        std::ofstream out(path, std::ios::binary);
        if (out) {
            out << desyncDump_;
            out.close();
        }
        if (out)
            dumpPath_ = path;
        else
            why = "cannot write " + path + ": " + std::strerror(errno);
    }
    if (!dumpPath_.empty())
        std::fprintf(stderr, "  state:  %s\n", dumpPath_.c_str());
    else
        std::fprintf(stderr, "torvel-arena: the state of session tick %u was not kept: %s\n",
                     desyncTick_, why.c_str());
}

// How many ticks this side runs ahead of its peer as it sees it, within what a packet
// carries.
int OnlineSession::ourAdvantage() const {
    const long long ahead = static_cast<long long>(core_->tick()) - peerTickSeen_;
    return static_cast<int>(std::clamp<long long>(ahead, -128, 127));
}

int OnlineSession::frameStretchMs() const {
    return phase_ == Phase::Playing ? timeSync_.stretchMs() : 0;
}

std::uint64_t OnlineSession::packetsDropped() const {
    std::uint64_t n = 0;
    for (std::uint64_t d : dropped_) n += d;
    return n;
}

std::string OnlineSession::packetsDroppedText() const {
    std::string kinds;
    for (std::size_t k = 0; k < dropped_.size(); ++k) {
        if (dropped_[k] == 0) continue;
        if (!kinds.empty()) kinds += ", ";
        kinds += std::to_string(dropped_[k]) + " " + packetFaultWord(static_cast<PacketFault>(k));
    }
    const std::string total = "dropped " + std::to_string(packetsDropped()) + " packets";
    return kinds.empty() ? total : total + " (" + kinds + ")";
}
