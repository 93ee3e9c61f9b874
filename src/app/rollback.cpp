#include "app/rollback.h"

#include <algorithm>

Rollback::Rollback(RollbackGame& game, int localPlayer, int inputDelay)
    : game_(game), local_(localPlayer), remote_(1 - localPlayer) {
    for (int t = 0; t < inputDelay; ++t) {
        Tick& k = at(static_cast<std::uint32_t>(t));
        k.known = {true, true};
    }
    localNext_ = remoteNext_ = static_cast<std::uint32_t>(inputDelay);
}

// A slot holds one tick at a time; a tick's slot is taken over, cleared, by the tick a
// whole ring later. Every tick still read is far closer than that to the newest.
Rollback::Tick& Rollback::at(std::uint32_t t) {
    Tick& k = ticks_[t % ticks_.size()];
    if (k.tick != t) k = Tick{t};
    return k;
}

const Rollback::Tick& Rollback::at(std::uint32_t t) const {
    static const Tick none{};
    const Tick& k = ticks_[t % ticks_.size()];
    return k.tick == t ? k : none;
}

void Rollback::addLocal(std::uint16_t word) {
    Tick& k = at(localNext_++);
    k.input[static_cast<std::size_t>(local_)] = word;
    k.known[static_cast<std::size_t>(local_)] = true;
}

void Rollback::addRemote(std::uint32_t t, std::uint16_t word) {
    // A peer runs at most the window past our inputs, which run the delay past our ticks.
    if (t >= localNext_ + 2 * rollbackWindow || t < remoteNext_) return;
    Tick& k = at(t);
    const auto r = static_cast<std::size_t>(remote_);
    if (k.known[r]) return;
    k.input[r] = word;
    k.known[r] = true;
    if (t < next_ && k.usedRemote != word && t < rollbackFrom_) rollbackFrom_ = t;
    while (remoteNext_ < localNext_ + 2 * rollbackWindow && at(remoteNext_).known[r]) ++remoteNext_;
}

bool Rollback::mayAdvance() const {
    return next_ < remoteNext_ + rollbackWindow;
}

bool Rollback::step(std::uint16_t localWord) {
    if (!mayAdvance()) return false;
    addLocal(localWord);
    settle();
    run(next_++, true);
    return true;
}

void Rollback::settle() {
    lastRolledBack_ = 0;
    if (rollbackFrom_ < next_) {
        game_.load(slotOf(rollbackFrom_));
        for (std::uint32_t u = rollbackFrom_; u < next_; ++u) run(u, false);
        lastRolledBack_ = static_cast<int>(next_ - rollbackFrom_);
    }
    rollbackFrom_ = UINT32_MAX;
}

// The peer's input of tick t: the real one when known, else the last one known before it.
std::uint16_t Rollback::remoteFor(std::uint32_t t) {
    const auto r = static_cast<std::size_t>(remote_);
    for (std::uint32_t u = t + 1; u-- > 0;)
        if (at(u).known[r]) return at(u).input[r];
    return 0;
}

void Rollback::run(std::uint32_t t, bool shown) {
    game_.save(slotOf(t));
    at(t).usedRemote = remoteFor(t);
    game_.advance(wordsOf(t), shown);
}

InputWords Rollback::wordsOf(std::uint32_t t) {
    const Tick& k = at(t);
    const auto r = static_cast<std::size_t>(remote_);
    InputWords words = k.input;
    if (!k.known[r]) words[r] = k.usedRemote;
    return words;
}

std::vector<std::uint16_t> Rollback::localInputsFrom(std::uint32_t from) const {
    std::vector<std::uint16_t> out;
    const std::uint32_t kept = ticks_.size() / 2;
    if (localNext_ > kept) from = std::max(from, localNext_ - kept);
    for (std::uint32_t t = from; t < localNext_; ++t)
        out.push_back(at(t).input[static_cast<std::size_t>(local_)]);
    return out;
}

bool Rollback::lookBefore(std::uint32_t u, const std::function<void()>& look) {
    if (u > next_ || u > remoteNext_ || next_ - u > rollbackWindow || rollbackFrom_ < u)
        return false;
    if (u == next_) {
        look();
        return true;
    }
    game_.save(scratchSlot);
    game_.load(slotOf(u));
    look();
    game_.load(scratchSlot);
    return true;
}

std::optional<std::uint64_t> Rollback::confirmedHashBefore(std::uint32_t u) {
    std::optional<std::uint64_t> hash;
    lookBefore(u, [&] { hash = game_.hash(); });
    return hash;
}
