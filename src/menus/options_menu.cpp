#include "menus/options_menu.h"

#include <cmath>
#include <string>
#include <string_view>

#include "fight/fighter_setup.h"
#include "platform/keys.h"
#include "render/arena_setup.h"
#include "render/banner_box.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/rounding.h"
#include "shell/screen_effects.h"

namespace {

constexpr f64 menuDepth = -5;
constexpr Rgb white{255, 255, 255}, black{0, 0, 0};

bool confirmPressed() {
    return pressed(gs.menuInput.button1, gs.menuInputPrev.button1);
}

// Menu directions move the row and the column; each screen clamps them to its own range.
void applyDirections() {
    if (pressed(gs.menuInput.up, gs.menuInputPrev.up)) gs.menuCursor -= 1;
    if (pressed(gs.menuInput.down, gs.menuInputPrev.down)) gs.menuCursor += 1;
    if (pressed(gs.menuInput.left, gs.menuInputPrev.left)) gs.menuColumn -= 1;
    if (pressed(gs.menuInput.right, gs.menuInputPrev.right)) gs.menuColumn += 1;
}

// The selected row pulses in size and blinks with `pauseCycle`.
void drawRow(std::string_view text, f64 y, bool selected) {
    if (!selected) {
        drawText(text, "CENTRO", "CENTRO", 0, y, menuDepth, 2.6, 2.6, {160, 160, 170}, 200, 0);
        return;
    }
    const f64 s = 3 + 0.15 * std::cos(gs.pauseCycle / 4.0);
    const u8 alpha = gs.pauseCycle <= 40 ? 255 : 160;
    drawText(text, "CENTRO", "CENTRO", 0.03, y - 0.03, menuDepth, s, s, black, alpha, 0);
    drawText(text, "CENTRO", "CENTRO", 0, y, menuDepth, s, s, {255, 230, 120}, alpha, 0);
}

// The key of button 1 or 2 followed by its hint, at the bottom left of the screen.
void drawHint(int button, std::string_view hint, f64 x, f64 y) {
    std::string text(1, keyCharacter(gs.keyBindings[static_cast<std::size_t>(4 + button)][0]));
    text += hint;
    drawText(text, "", "CENTRO", x + 0.01, y - 0.01, menuDepth, 1.5, 1.5, black, 200, 0);
    drawText(text, "", "CENTRO", x, y, menuDepth, 1.5, 1.5, white, 255, 0);
}

// After the match: one row that starts the next match in the same arena.
void afterMatchMenu() {
    gs.menuCursor = 1;
    drawBanner(0, black, "", -2.2, -2.3, 2.2, -2.9, 110);
    drawRow("LUTAR NOVAMENTE", -2.6, true);
    drawHint(1, "/BT1-aCONFIRMA", -3.2, -3.15);
    if (!confirmPressed() || gs.inputLock != 0 || gs.transitionTimer() != 0) return;
    requestScene("BATALHA", 30);
    gs.soundRequest = 19;
    gs.optionsScreen = "";
    resetForMatch(1);
    resetForMatch(2);
    gs.introTimer = 100;
    gs.roundNumber = 1;
    gs.lightingVariant = 1;
    arenaSetup(gs.arena);
}

struct OptionsScreen {
    std::string_view name;
    void (*run)();
};

constexpr OptionsScreen screens[] = {
    {"OPCOES-JOGO-3", afterMatchMenu},
};

} // namespace

char keyCharacter(unsigned char code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return static_cast<char>(code);
    if (code >= vk::Numpad0 && code <= vk::Numpad0 + 9)
        return static_cast<char>('0' + code - vk::Numpad0);
    return '?';
}

void optionsMenu() {
    applyDirections();
    for (const OptionsScreen& s : screens) {
        if (gs.optionsScreen == s.name) {
            s.run();
            return;
        }
    }
}
