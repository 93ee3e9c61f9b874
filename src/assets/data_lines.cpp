#include "assets/data_lines.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "shell/scene_change.h"

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    return s;
}

} // namespace

bool DataLines::open(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::ostringstream s;
    s << f.rdbuf();
    if (f.bad()) return false;
    setText(s.str());
    return true;
}

void DataLines::setText(std::string text) {
    data_ = std::move(text);
    pos_ = 0;
    line_ = 0;
    problem_ = Problem::None;
}

bool DataLines::nextLine(std::string_view& text) {
    ++line_;
    if (pos_ >= data_.size()) {
        problem_ = Problem::EndsEarly;
        return false;
    }
    std::size_t end = data_.find('\n', pos_);
    if (end == std::string::npos) end = data_.size();
    text = std::string_view(data_).substr(pos_, end - pos_);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    pos_ = end + 1;
    return true;
}

bool DataLines::readInt(std::int64_t& value) {
    std::string_view text;
    if (!nextLine(text)) return false;
    text = trimmed(text);
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        problem_ = Problem::NotANumber;
        return false;
    }
    return true;
}

bool DataLines::readReal(f64& value) {
    std::string_view text;
    if (!nextLine(text)) return false;
    text = trimmed(text);
    auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        problem_ = Problem::NotANumber;
        return false;
    }
    return true;
}

std::string malformedLineText(DataLines::Problem problem, int line) {
    const std::string n = std::to_string(line);
    switch (problem) {
    case DataLines::Problem::NotANumber:
        return "* A LINHA " + n + " NÃO É UM NÚMERO.";
    case DataLines::Problem::EndsEarly:
        return "* O ARQUIVO ACABA ANTES DA LINHA " + n + ".";
    case DataLines::Problem::None:
        break;
    }
    return "* A LINHA " + n + " ESTA INCORRETA.";
}

bool fileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string zeroPadded(int number, int digits) {
    std::string n = std::to_string(number);
    while (static_cast<int>(n.size()) < digits) n = "0" + n;
    return n;
}

void reportMissingFile(const std::string& upperName) {
    enterErrorScene("ARQUIVO  " + upperName + "  NÃO FOI ENCONTRADO",
                    "VERIFIQUE SE O ARQUIVO EXISTE.",
                    "VERIFIQUE SE O CAMINHO DO ARQUIVO ESTA CORRETO.",
                    "VERIFIQUE SE O ARQUIVO NÃO ESTA COMPACTADO.");
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}
