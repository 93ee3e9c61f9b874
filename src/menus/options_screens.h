// Pieces shared by the option screens of optionsMenu: the menu input of this tick, the
// common drawing, and the screens that live in their own files. The screen table in
// options_menu.cpp is the one dispatch.
#pragma once

#include <string>
#include <string_view>

#include "shell/game_state.h"

namespace options {

constexpr f64 depth = -5;
constexpr Rgb white{255, 255, 255}, black{0, 0, 0};

// Button 1 pressed this tick. A confirmation marks the button as held, so it acts only
// once in the tick.
bool confirmPressed();
bool takeConfirm();
// Button 2 pressed this tick.
bool backPressed();
// Keeps `menuCursor` within lo..hi.
void clampCursor(u8 lo, u8 hi);
// Switches the screen; the next one ignores the devices for five ticks.
void goTo(std::string_view screen, u8 cursor);
// True in the title configuration, false over a battle.
bool inTitleConfiguration();

// A menu row centred on x; the selected one pulses in size and blinks with `pauseCycle`.
void drawRow(std::string_view text, f64 y, bool selected, f64 size = 1, f64 x = 0);
// The highlight band behind a selected row, blinking with `pauseCycle`.
void drawRowBand(f64 y, f64 halfHeight, f64 x1 = -3.3, f64 x2 = 3.3);
// The screen's title band at the top, with its medallion (an "ABERTURA" picture).
void drawTitle(int picture, std::string_view title);
// A help picture ("ABERTURA") beside a list, gently swaying.
void drawHelpPicture(int picture, f64 x, f64 y, f64 size);
// The key of button 1 or 2 followed by its hint text.
std::string hintText(int button, std::string_view hint);
// Text in font 1 centred in height on y, over a black shadow a little right and down.
void drawShadowedText(std::string_view text, std::string_view hAlign, f64 x, f64 y, f64 size,
                      Rgb colour, u8 alpha);
// A hint line at the bottom left of the screen (x, y is its left middle).
void drawHintLine(std::string_view text, f64 x, f64 y);
// The usual bottom line: button 1's hint, then button 2's (either may be empty).
void drawHints(std::string_view hint1, std::string_view hint2);
// A yes/no question ("SIM" row 1, "NÃO" row 2) under its title band.
void drawQuestion(int picture, std::string_view title);

// The three control modes as the menus show them: the mode and each player's device.
struct ControlMode {
    std::string_view name, player1, player2;
};
inline constexpr ControlMode controlModes[] = {
    {"MODO A", "P1-TECLADO", "P2-JOYSTICK 1"},
    {"MODO B", "P1-JOYSTICK 1", "P2-TECLADO"},
    {"MODO C", "P1-JOYSTICK 1", "P2-JOYSTICK 2"},
};

// The training menu's row that opens the move list.
inline constexpr u8 trainingMoveListRow = 8;

// "ICONE" picture of a keypad direction or button character of a motion, 0 for none.
int motionIcon(char c);

// Screens, one per `optionsScreen` value (or family of values).
void moveListScreen();
void controlModeScreen();
void keyAssignmentScreen();
void volumeScreen();
void outlinesScreen();
void flashScreen();
void creditsScreen();
void saveQuestionScreen();
void trainingMenuScreen();

// The screen the battle's options open on and return to: the training menu in a training
// battle, the pause menu otherwise; and the row of it that leads to the move list.
std::string_view battleMenuScreen();
u8 moveListRow();

} // namespace options
