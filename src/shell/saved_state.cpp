#include "shell/saved_state.h"

#include <cstring>

namespace {

struct TextCheck {
    bool ok = true;
    template <class T> void value(T& v) {
        if constexpr (IsFixedString<T>::value) {
            ok = ok && v.len <= sizeof v.buf;
        } else if constexpr (IsSequence<T>::value) {
            for (auto& e : v) value(e);
        } else if constexpr (!std::is_arithmetic_v<T>) {
            reflect(*this, v);
        }
    }
    template <class T> void operator()(const char*, T& v) { value(v); }
};

} // namespace

void saveState(SavedState& out) {
    std::memcpy(static_cast<void*>(&out.game), &gs, sizeof gs);
    out.keys = heldKeys();
}

void loadState(const SavedState& in) {
    std::memcpy(static_cast<void*>(&gs), &in.game, sizeof gs);
    setHeldKeys(in.keys);
}

bool savedStateWellFormed(const SavedState& s) {
    GameState& g = const_cast<GameState&>(s.game);
    TextCheck check;
    reflect(check, g);
    check.value(g.fighters);
    check.value(g.objectPool);
    return check.ok;
}
