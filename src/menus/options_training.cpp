// The training menu "OPCOES-TREINO", opened by ESC in a training battle: the dummy's
// action and guard, the power refill, the display flag, where a reset puts the fighters,
// whether the dummy's recording plays once or round and round, the move list and the way
// back to the title. Left and right change a setting; button 1
// acts on a row that acts.
#include <array>
#include <string_view>

#include "fight/training_room.h"
#include "menus/options_menu.h"
#include "menus/options_screens.h"
#include "shell/game_state.h"
#include "shell/input.h"

namespace options {

namespace {

constexpr u8 computerLevels = 5;

// The dummy's action and the computer's level make one list of choices: the four plain
// actions, then the computer at levels 1..5.
constexpr std::array<std::string_view, 4 + computerLevels> actionNames = {
    "PARADO",      "AGACHADO",    "PULANDO",     "ANDANDO",    "CPU NÍVEL 1",
    "CPU NÍVEL 2", "CPU NÍVEL 3", "CPU NÍVEL 4", "CPU NÍVEL 5"};
constexpr std::array<std::string_view, 4> guardNames = {"NENHUMA", "TODAS", "APÓS UM GOLPE",
                                                        "ALEATÓRIA"};
constexpr std::array<std::string_view, 2> powerNames = {"NORMAL", "SEMPRE CHEIO"};
constexpr std::array<std::string_view, 2> displayNames = {"DESLIGADO", "LIGADO"};
constexpr std::array<std::string_view, 2> playbackNames = {"UMA VEZ", "EM LAÇO"};
constexpr std::array<std::string_view, 3> placeNames = {"CENTRO", "CANTO ESQUERDO",
                                                        "CANTO DIREITO"};

constexpr u8 computerChoice = static_cast<u8>(DummyAction::computer);

int actionChoice() {
    const TrainingState& t = gs.training;
    return t.dummyAction == computerChoice ? computerChoice + t.dummyLevel - 1 : t.dummyAction;
}

void setActionChoice(int c) {
    TrainingState& t = gs.training;
    t.dummyAction = static_cast<u8>(c < computerChoice ? c : computerChoice);
    if (c >= computerChoice) t.dummyLevel = static_cast<u8>(c - computerChoice + 1);
}

void closeTrainingMenu() {
    gs.pauseMenuOpen = 0;
    gs.optionsScreen = "";
}

void resetAndClose() {
    resetToKeptPlace();
    closeTrainingMenu();
}

void openMoveList() {
    goTo("LISTA-GOLPES", 1);
}

// A row: its label, its choices (none for a row that only acts), how it reads and sets
// its choice, and what button 1 does on it.
struct TrainingRow {
    std::string_view label;
    const std::string_view* names;
    int count;
    int (*get)();
    void (*set)(int);
    void (*act)();
};

template <auto Field> int getField() {
    return gs.training.*Field;
}
template <auto Field> void setField(int c) {
    gs.training.*Field = static_cast<u8>(c);
}

constexpr TrainingRow rows[] = {
    {"CONTINUAR", nullptr, 0, nullptr, nullptr, closeTrainingMenu},
    {"BONECO", actionNames.data(), actionNames.size(), actionChoice, setActionChoice, nullptr},
    {"DEFESA", guardNames.data(), guardNames.size(), getField<&TrainingState::dummyGuard>,
     setField<&TrainingState::dummyGuard>, nullptr},
    {"PODER", powerNames.data(), powerNames.size(), getField<&TrainingState::powerRefill>,
     setField<&TrainingState::powerRefill>, nullptr},
    {"DADOS NA TELA", displayNames.data(), displayNames.size(), getField<&TrainingState::display>,
     setField<&TrainingState::display>, nullptr},
    {"RECOMEÇAR NO", placeNames.data(), placeNames.size(), getField<&TrainingState::resetPlace>,
     setField<&TrainingState::resetPlace>, resetAndClose},
    {"GRAVAÇÃO", playbackNames.data(), playbackNames.size(), getField<&TrainingState::playbackLoop>,
     setField<&TrainingState::playbackLoop>, nullptr},
    {"LISTA DE GOLPES", nullptr, 0, nullptr, nullptr, openMoveList},
    {"TELA INICIAL", nullptr, 0, nullptr, nullptr, leaveForTitle},
};
constexpr u8 rowCount = std::size(rows);
static_assert(rows[trainingMoveListRow - 1].act == openMoveList);
constexpr f64 top = 0.85, step = 0.4;

void drawRows() {
    const u8 r = gs.menuCursor;
    drawRowBand(top - step * (r - 1), 0.45 * step);
    for (u8 i = 1; i <= rowCount; ++i) {
        const TrainingRow& row = rows[i - 1];
        const f64 y = top - step * (i - 1);
        if (row.count == 0) {
            drawRow(row.label, y, i == r, 0.8, 0.45);
            continue;
        }
        drawRow(row.label, y, i == r, 0.8, -0.9);
        const int c = row.get();
        const std::string_view value = c >= 0 && c < row.count ? row.names[c] : "?";
        drawShadowedText(value, "CENTRO", 1.9, y, 2,
                         i == r ? Rgb{255, 255, 255} : Rgb{170, 190, 230}, i == r ? 255 : 200);
    }
    drawHelpPicture(16, -2.7, top - step * (rowCount - 1) / 2.0, 1.0);
}

// Left and right step through a row's choices, round and round.
void changeSetting(const TrainingRow& row) {
    if (row.count == 0 || gs.inputLock != 0) return;
    int delta = 0;
    if (pressed(gs.menuInput.left, gs.menuInputPrev.left)) delta = -1;
    if (pressed(gs.menuInput.right, gs.menuInputPrev.right)) delta = 1;
    if (delta == 0) return;
    const int c = row.get();
    row.set(c >= 0 && c < row.count ? (c + delta + row.count) % row.count : 0);
    gs.soundRequest = 18;
}

} // namespace

void trainingMenuScreen() {
    clampCursor(1, rowCount);
    drawTitle(16, "TREINO");
    drawRows();
    drawHints("/BT1-aCONFIRMA   ", "/BT2-dCONTINUAR");
    const TrainingRow& row = rows[gs.menuCursor - 1];
    changeSetting(row);
    if (backPressed()) {
        closeTrainingMenu();
    } else if (row.act && gs.inputLock == 0 && takeConfirm()) {
        gs.soundRequest = 19;
        row.act();
    }
}

} // namespace options
