#pragma once

#include <string>

// A modal message box with an OK button over the game's window. When boxes must not
// block (headless and scripted runs) the message goes to the standard error instead.
void showMessageBox(const std::string& text, const std::string& caption);
void setMessageBoxesModal(bool modal);
