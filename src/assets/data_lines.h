// Line-by-line reading of the game's text data files (models, poses), one value a line,
// lines ended by CR LF or LF, with the line number kept for error reports.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/plain_data.h"

class DataLines {
  public:
    // Reads the whole file; false if it cannot be opened or read.
    bool open(const std::string& path);
    // Reads from text already in memory.
    void setText(std::string text);
    // The next line as a whole decimal integer (blanks around it accepted).
    bool readInt(std::int64_t& value);
    // The next line as a decimal real with a point (blanks around it accepted).
    bool readReal(f64& value);

    enum class Problem { None, NotANumber, EndsEarly };
    Problem problem() const { return problem_; }
    int lineNumber() const { return line_; } // the line read last, or the one missing

  private:
    bool nextLine(std::string_view& text);
    std::string data_;
    std::size_t pos_ = 0;
    int line_ = 0;
    Problem problem_ = Problem::None;
};

// The second error line for a malformed file: what is wrong, on which line.
std::string malformedLineText(DataLines::Problem problem, int line);
bool fileExists(const std::string& path);
// `number` in decimal with at least `digits` digits: zeroPadded(7, 3) is "007".
std::string zeroPadded(int number, int digits);
// The error scene for a data file that is not there; `upperName` as the lines show it.
void reportMissingFile(const std::string& upperName);
std::string upperCase(std::string_view text);
