#include "app/tick_input.h"

#include "app/frame.h"
#include "app/key_events.h"
#include "app/net_packets.h"
#include "platform/keys.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/scene_change.h"

namespace {

bool deliverKeys(const TickInput& input) {
    for (const KeyEvent& e : input.keys) {
        setKeyDown(e.vk, e.down != 0);
        if (e.down == 0) continue;
        FormKeyDown(e.vk);
        traceSceneIfChanged();
        if (gs.quitRequested == 1) return false;
    }
    return true;
}

void runTick(const TickInput& input, const TickJoyReadings* playback) {
    if (input.devicesChanged) gs.joy1Status = gs.joy2Status = 0;
    beginTickReadings(playback);
    DXTimer1Timer();
    traceSceneIfChanged();
}

} // namespace

bool advanceLiveTick(TickInput& input) {
    if (!deliverKeys(input)) return false;
    runTick(input, nullptr);
    input.joys = tickReadings();
    return true;
}

bool advanceReplayedTick(const TickInput& input) {
    if (!deliverKeys(input)) return false;
    if (!input.session) {
        runTick(input, &input.joys);
        return true;
    }
    const std::array<InputSnapshot, 2> players{unpackInput(input.words[0]),
                                               unpackInput(input.words[1])};
    setSessionInputs(&players);
    runTick(input, &input.joys);
    setSessionInputs(nullptr);
    return true;
}

void releaseHeldKeys(TickInput& input) {
    HeldKeys held = heldKeys();
    for (const KeyEvent& e : input.keys) held[e.vk] = e.down != 0;
    for (std::size_t k = 1; k < held.size(); ++k)
        if (held[k]) input.keys.push_back({static_cast<u8>(k), 0});
}
