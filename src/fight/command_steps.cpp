#include "fight/command_steps.h"

#include "fight/animation.h"
#include "fight/commands.h"

namespace {

bool held(u8 flag) {
    return flag != 0;
}

struct StickWord {
    std::string_view word;
    bool (*matches)(const personagem& f);
};

// Diagonals are their own words: "TRAS" and "FRENTE" need the stick off the floor, and a
// stick pushed both ways at once is neither back nor forward.
constexpr StickWord stickWords[] = {
    {"TRAS",
     [](const personagem& f) { return f.inBack == 1 && f.inForward == 0 && !held(f.inDown); }},
    {"FRENTE",
     [](const personagem& f) { return f.inForward == 1 && f.inBack == 0 && !held(f.inDown); }},
    {"BAIXO",
     [](const personagem& f) { return held(f.inDown) && f.inBack == 0 && f.inForward == 0; }},
    {"BAIXOTRAS",
     [](const personagem& f) { return held(f.inDown) && f.inBack == 1 && f.inForward == 0; }},
    {"BAIXOFRENTE",
     [](const personagem& f) { return held(f.inDown) && f.inBack == 0 && f.inForward == 1; }},
    {"-",
     [](const personagem& f) {
         return !held(f.inUp) && !held(f.inDown) && !held(f.inLeft) && !held(f.inRight);
     }},
};

// "BT1".."BT8": the button's number, or 0 for any other word.
int buttonOf(std::string_view word) {
    if (word.size() != 3 || word.substr(0, 2) != "BT") return 0;
    const int n = word[2] - '0';
    return n >= 1 && n <= 8 ? n : 0;
}

} // namespace

bool wordMatches(const personagem& f, std::string_view word, u8 wantedPrevious) {
    if (const int b = buttonOf(word)) {
        const auto button = static_cast<std::size_t>(b);
        return held(f.inButtons[button]) && f.inButtonsPrev[button] == wantedPrevious;
    }
    for (const StickWord& w : stickWords)
        if (w.word == word) return w.matches(f);
    return false;
}

// Nothing matches while the round is being introduced.
void motionStep(int index, int slot, std::string_view word, u8 wantedPrevious, f64 timer,
                u8 newState, u8 expected) {
    if (gs.introTimer > 0) return;
    personagem& f = gs.fighter(index);
    if (!wordMatches(f, word, wantedPrevious)) return;
    const auto s = static_cast<std::size_t>(slot);
    if (f.motionState[s] != expected) return;
    f.motionState[s] = newState;
    f.motionTimer[s] = timer;
}

void runSteps(int index, std::span<const MotionStep> steps) {
    for (const MotionStep& s : steps)
        motionStep(index, s.slot, s.word, s.wantedPrevious, s.timer, s.to, s.from);
}

void requestFromSlots(int index, std::span<const SlotRequest> requests) {
    const personagem& f = gs.fighter(index);
    for (const SlotRequest& r : requests)
        if (f.motionState[r.slot] == r.state) requestAnimation(index, r.anim);
}
