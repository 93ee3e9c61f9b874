#include "music_score.h"

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

struct PatternNote {
    int start = 0, length = 0; // sixteenths from the pattern's start
    std::vector<int> pitches;
    std::string hit;
    double velocity = 0.8;
};

struct Pattern {
    std::vector<PatternNote> notes;
    int bars = 0;
};

struct Section {
    int bars = 0;
    std::vector<std::pair<int, std::string>> parts; // voice, pattern
};

struct Reader {
    std::string path;
    int line = 0;
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
    }
};

// C4 = 60.
int pitchOf(const std::string& s, const Reader& r) {
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (s.size() < 2 || s[0] < 'A' || s[0] > 'G') r.fail("not a pitch: " + s);
    int p = steps[s[0] - 'A'];
    std::size_t i = 1;
    while (i < s.size() && (s[i] == '#' || s[i] == 'b')) p += s[i++] == '#' ? 1 : -1;
    if (i >= s.size()) r.fail("pitch without octave: " + s);
    return p + 12 * (std::stoi(s.substr(i)) + 1);
}

// {G} {Am} {D7} {Em7} {Bdim}: root in octave 3, third, fifth and seventh above it.
std::vector<int> chordOf(const std::string& s, const Reader& r) {
    std::size_t i = 1;
    std::string root(1, s[0]);
    while (i < s.size() && (s[i] == '#' || s[i] == 'b')) root += s[i++];
    std::string quality = s.substr(i);
    int base = pitchOf(root + "3", r);
    if (base > pitchOf("F#3", r)) base -= 12;
    std::vector<int> intervals;
    if (quality.empty())
        intervals = {0, 4, 7};
    else if (quality == "m")
        intervals = {0, 3, 7};
    else if (quality == "7")
        intervals = {0, 4, 7, 10};
    else if (quality == "m7")
        intervals = {0, 3, 7, 10};
    else if (quality == "dim")
        intervals = {0, 3, 6};
    else
        r.fail("unknown chord: " + s);
    std::vector<int> out;
    for (int k : intervals) out.push_back(base + 12 + k); // octave 3..4
    return out;
}

void readBars(Pattern& pat, std::istringstream& in, int barLength, int& last, const Reader& r) {
    std::string tok;
    int barStart = pat.bars * barLength;
    int pos = barStart;
    bool open = false;
    while (in >> tok) {
        if (tok == "|") {
            if (open) {
                if (pos - barStart != barLength)
                    r.fail("bar " + std::to_string(pat.bars + 1) + " holds " +
                           std::to_string(pos - barStart) + " sixteenths, not " +
                           std::to_string(barLength));
                ++pat.bars;
                barStart = pos;
            }
            open = true;
            continue;
        }
        if (!open) r.fail("a bar starts with |");
        double velocity = 0.8;
        if (tok[0] == '>')
            velocity = 1.0, tok = tok.substr(1);
        else if (tok[0] == '\'')
            velocity = 0.55, tok = tok.substr(1);
        int length = last;
        if (const auto slash = tok.find('/'); slash != std::string::npos) {
            length = std::stoi(tok.substr(slash + 1));
            tok = tok.substr(0, slash);
        }
        last = length;
        if (tok == "-") {
            if (pat.notes.empty()) r.fail("- holds nothing");
            pat.notes.back().length += length;
        } else if (tok != "r") {
            PatternNote n;
            n.start = pos;
            n.length = length;
            n.velocity = velocity;
            if (tok.front() == '{' && tok.back() == '}') {
                n.pitches = chordOf(tok.substr(1, tok.size() - 2), r);
            } else if (tok[0] >= 'A' && tok[0] <= 'G' && tok.size() >= 2) {
                std::size_t from = 0;
                while (from <= tok.size()) {
                    std::size_t plus = tok.find('+', from);
                    if (plus == std::string::npos) plus = tok.size();
                    n.pitches.push_back(pitchOf(tok.substr(from, plus - from), r));
                    from = plus + 1;
                }
            } else {
                n.hit = tok;
            }
            pat.notes.push_back(n);
        }
        pos += length;
    }
    if (pos != barStart) r.fail("a bar is not closed with |");
}

// Where a sixteenth position falls in time, the off-beat eighth moved to `swing`.
double timeOf(double sixteenths, const Score& s) {
    const double beat = std::floor(sixteenths / 4);
    const double x = sixteenths / 4 - beat; // 0..1 within the beat
    const double y = x < 0.5 ? x / 0.5 * s.swing : s.swing + (x - 0.5) / 0.5 * (1 - s.swing);
    return (beat + y) * 60.0 / s.tempo;
}

} // namespace

Score readScore(const std::string& path) {
    std::ifstream file(path);
    Reader r{path};
    if (!file) r.fail("cannot read");
    Score score;
    score.name = path;
    std::map<std::string, Pattern> patterns;
    std::map<std::string, Section> sections;
    std::vector<std::string> form;
    Pattern* open = nullptr;
    int last = 4;
    std::string text;
    while (std::getline(file, text)) {
        ++r.line;
        // A comment is "#" then a blank (a sharp is "#" then a digit).
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == '#' && (i + 1 == text.size() || text[i + 1] == ' ')) {
                text.resize(i);
                break;
            }
        std::istringstream in(text);
        std::string word;
        if (!(in >> word)) continue;
        if (word == "|") {
            if (!open) r.fail("bars outside a pattern");
            std::istringstream bars(text);
            readBars(*open, bars, score.bar, last, r);
            continue;
        }
        open = nullptr;
        if (word == "tempo")
            in >> score.tempo;
        else if (word == "bar")
            in >> score.bar;
        else if (word == "swing")
            in >> score.swing;
        else if (word == "reverb")
            in >> score.reverb;
        else if (word == "loop") {
            std::string v;
            in >> v;
            score.loop = v == "yes";
        } else if (word == "voice") {
            ScoreVoice v;
            in >> v.name >> v.instrument;
            std::string key;
            while (in >> key) {
                if (key == "pan")
                    in >> v.pan;
                else if (key == "gain")
                    in >> v.gain;
                else if (key == "octave")
                    in >> v.octave;
                else
                    r.fail("unknown voice setting " + key);
            }
            score.voices.push_back(v);
        } else if (word == "pattern") {
            std::string name;
            in >> name;
            open = &patterns[name];
            last = 4;
        } else if (word == "section") {
            std::string name, part;
            Section s;
            in >> name >> s.bars;
            while (in >> part) {
                const auto colon = part.find(':');
                if (colon == std::string::npos) r.fail("a part is VOICE:PATTERN");
                const std::string voice = part.substr(0, colon), pat = part.substr(colon + 1);
                int index = -1;
                for (std::size_t i = 0; i < score.voices.size(); ++i)
                    if (score.voices[i].name == voice) index = static_cast<int>(i);
                if (index < 0) r.fail("unknown voice " + voice);
                if (!patterns.count(pat) || patterns[pat].bars == 0)
                    r.fail("unknown or empty pattern " + pat);
                s.parts.push_back({index, pat});
            }
            sections[name] = s;
        } else if (word == "form") {
            std::string name;
            while (in >> name) {
                if (!sections.count(name)) r.fail("unknown section " + name);
                form.push_back(name);
            }
        } else {
            r.fail("unknown word " + word);
        }
    }
    // Lay the form out in time.
    int bar = 0;
    for (const std::string& name : form) {
        const Section& s = sections[name];
        for (const auto& [voice, patName] : s.parts) {
            const Pattern& p = patterns[patName];
            for (int b = 0; b < s.bars; b += p.bars)
                for (const PatternNote& n : p.notes) {
                    const int at = b * score.bar + n.start;
                    if (at >= s.bars * score.bar) continue;
                    const double from = (bar * score.bar + at);
                    ScoreNote e;
                    e.voice = voice;
                    e.start = timeOf(from, score);
                    e.length = timeOf(from + n.length, score) - e.start;
                    e.hit = n.hit;
                    e.velocity = n.velocity;
                    for (int pitch : n.pitches)
                        e.pitches.push_back(pitch + 12 * score.voices[voice].octave);
                    score.notes.push_back(e);
                }
        }
        bar += s.bars;
    }
    score.bars = bar;
    score.length = timeOf(static_cast<double>(bar) * score.bar, score);
    return score;
}
