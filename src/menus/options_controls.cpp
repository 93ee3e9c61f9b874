// "CONFIGURAR-CONTROLES": the keyboard's twelve keys and the two joysticks' button maps in
// three columns. The keyboard keys are captured by the key handler (FormKeyDown); the
// joystick buttons are assigned here from the joysticks' own input.
#include <string>
#include <string_view>

#include "menus/options_menu.h"
#include "menus/options_screens.h"
#include "platform/keys.h"
#include "render/banner_box.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/input.h"

namespace options {

namespace {

// A row label: up to two "ICONE" pictures joined by `join`, then a word.
struct RowLabel {
    int icon1;
    std::string_view join;
    int icon2;
    std::string_view word;
};

constexpr int punch = 53, kick = 54;

// Keyboard states 1..12: the four directions, then buttons 1..8 (the joysticks' rows).
constexpr RowLabel keyboardRows[] = {
    {0, "", 0, "CIMA"},          {0, "", 0, "BAIXO"},     {0, "", 0, "ESQUERDA"},
    {0, "", 0, "DIREITA"},       {punch, "", 0, "FRACO"}, {kick, "", 0, "FRACO"},
    {punch, "", 0, "FORTE"},     {kick, "", 0, "FORTE"},  {punch, "+", kick, "FRACO"},
    {punch, "+", kick, "FORTE"}, {0, "", 0, "USAR ITEM"}, {0, "", 0, "TROCAR ITEM"},
};
constexpr std::size_t directionRows = 4;

// Arrow keys have no character; they are shown as the arrows of the move list.
struct ArrowKey {
    u8 key;
    int icon;
};
constexpr ArrowKey arrowKeys[] = {{vk::Up, 28}, {vk::Right, 30}, {vk::Down, 32}, {vk::Left, 34}};

struct Column {
    std::string_view title, reset;
    f64 x1, x2;
};

constexpr Column keyboardColumn{"TECLADO", "(F1-RESETAR)", -3.32, -1.06};

// A joystick column: its input, its button map and its row cursor.
struct JoyColumn {
    Column column;
    InputSnapshot GameState::*now;
    InputSnapshot GameState::*prev;
    Slots<u8, 10> GameState::*map;
    u8 GameState::*row;
};

constexpr JoyColumn joyColumns[] = {
    {{"JOYSTICK 1", "(F2-RESETAR)", -0.96, 1.12},
     &GameState::joy1Input,
     &GameState::joy1InputPrev,
     &GameState::joy1ButtonMap,
     &GameState::joy1Row},
    {{"JOYSTICK 2", "(F3-RESETAR)", 1.22, 3.32},
     &GameState::joy2Input,
     &GameState::joy2InputPrev,
     &GameState::joy2ButtonMap,
     &GameState::joy2Row},
};

constexpr f64 headerY = 0.9, firstRowY = 0.58, rowStep = 0.225, resetY = -2.22;

f64 rowY(std::size_t row) {
    return firstRowY - rowStep * static_cast<f64>(row - 1);
}

void drawIcon(int icon, f64 x, f64 y) {
    drawSprite("ICONE", icon, "CENTRO", x, y, 0.15, 0.15, depth, "CENTRO", "", white, 255, 0, 0, 1,
               0, 1);
}

void drawShadowed(std::string_view text, std::string_view hAlign, f64 x, f64 y, f64 size,
                  Rgb colour) {
    drawText(text, hAlign, "CENTRO", x + 0.015, y - 0.015, depth, size, size, black, 200, 0);
    drawText(text, hAlign, "CENTRO", x, y, depth, size, size, colour, 255, 0);
}

void drawLabel(const RowLabel& label, f64 x, f64 y, Rgb colour) {
    if (label.icon1 != 0) {
        drawIcon(label.icon1, x + 0.08, y);
        x += 0.19;
    }
    if (!label.join.empty()) {
        drawShadowed(label.join, "", x - 0.02, y, 1.1, colour);
        x += 0.1;
    }
    if (label.icon2 != 0) {
        drawIcon(label.icon2, x + 0.08, y);
        x += 0.19;
    }
    drawShadowed(label.word, "", x + 0.02, y, 1.1, colour);
}

// The column's panel, title and reset key; the selected row's band.
void drawColumnFrame(const Column& c, std::size_t rows, u8 selected) {
    drawBanner(0, {10, 15, 40}, "", c.x1, headerY + 0.2, c.x2, rowY(rows) - 0.17, 170);
    drawBanner(0, {60, 90, 200}, "", c.x1, headerY + 0.17, c.x2, headerY - 0.15, 120);
    const f64 mid = (c.x1 + c.x2) / 2;
    drawWavyText(c.title, "CENTRO", "CENTRO", mid + 0.015, headerY - 0.015, depth, 1.6, 1.6, black,
                 200, 0);
    drawWavyText(c.title, "CENTRO", "CENTRO", mid, headerY, depth, 1.6, 1.6, white, 255, 0);
    if (selected >= 1 && selected <= rows) drawRowBand(rowY(selected), 0.1, c.x1, c.x2);
    drawShadowed(c.reset, "CENTRO", mid, resetY, 1.3, {200, 200, 210});
}

Rgb rowColour(bool selected) {
    return selected ? Rgb{255, 230, 120} : Rgb{190, 190, 200};
}

void drawKeyboardColumn() {
    const Column& c = keyboardColumn;
    drawColumnFrame(c, 12, gs.keyAssignSlot);
    for (std::size_t r = 1; r <= 12; ++r) {
        const bool selected = r == gs.keyAssignSlot;
        drawLabel(keyboardRows[r - 1], c.x1 + 0.1, rowY(r), rowColour(selected));
        const u8 key = gs.keyBindings[r][0];
        int arrow = 0;
        for (const ArrowKey& a : arrowKeys)
            if (a.key == key) arrow = a.icon;
        if (arrow != 0)
            drawIcon(arrow, c.x2 - 0.2, rowY(r));
        else
            drawShadowed(std::string(1, keyCharacter(key)), "CENTRO", c.x2 - 0.2, rowY(r), 1.5,
                         rowColour(selected));
    }
}

void drawJoyColumn(const JoyColumn& j) {
    const Column& c = j.column;
    const u8 selectedRow = gs.*j.row;
    drawColumnFrame(c, 8, selectedRow);
    const Slots<u8, 10>& map = gs.*j.map;
    for (std::size_t r = 1; r <= 8; ++r) {
        const bool selected = r == selectedRow;
        drawLabel(keyboardRows[directionRows + r - 1], c.x1 + 0.1, rowY(r), rowColour(selected));
        const std::string button = map[r] == 0 ? "-" : std::to_string(map[r]);
        drawShadowed(button, "CENTRO", c.x2 - 0.22, rowY(r), 1.5, rowColour(selected));
    }
}

// Joystick up and down move the column's row, wrapping; a newly pressed physical button
// goes to the selected row and leaves every other row, so no two rows share one.
void assignJoystickButtons(const JoyColumn& j) {
    u8& row = gs.*j.row;
    if (row < 1 || row > 8) row = 1;
    const InputSnapshot& now = gs.*j.now;
    const InputSnapshot& prev = gs.*j.prev;
    if (pressed(now.up, prev.up)) row = row == 1 ? 8 : row - 1;
    if (pressed(now.down, prev.down)) row = row == 8 ? 1 : row + 1;
    Slots<u8, 10>& map = gs.*j.map;
    for (u8 b = 1; b <= 10; ++b) {
        if (!pressed(now.buttons[b], prev.buttons[b])) continue;
        for (u8& entry : map)
            if (entry == b) entry = 0;
        map[row] = b;
    }
}

} // namespace

void keyAssignmentScreen() {
    for (const JoyColumn& j : joyColumns) assignJoystickButtons(j);
    drawTitle(24, "CONFIGURAR CONTROLES");
    drawKeyboardColumn();
    for (const JoyColumn& j : joyColumns) drawJoyColumn(j);
}

} // namespace options
