#include "shell/presentation.h"

namespace {
bool shown = true;
} // namespace

bool presenting() {
    return shown;
}

void setPresenting(bool on) {
    shown = on;
}
