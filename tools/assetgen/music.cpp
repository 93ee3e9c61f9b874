// The game's five pieces of music (Musicas/Musica-01.ogg .. Musica-05.ogg), composed in
// content/music/*.score and synthesised here: each score is rendered (music_synth.cpp),
// mastered to one loudness, encoded to Ogg Vorbis, decoded again and measured; the
// figures go to OUT/music-figures.txt and a waveform and a spectrogram of each piece to
// the previews. content/music.md says what each piece is.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "generators.h"
#include "music_ogg.h"
#include "music_score.h"
#include "music_synth.h"
#include "writers.h"

namespace {

constexpr double kTargetRmsDb = -17.0; // every piece alike
constexpr double kCeilingDb = -2.0;    // room for the encoder's small overshoots
constexpr float kQuality = 0.25f;      // Vorbis quality (about 70 kbit/s stereo at 22 kHz)

struct Piece {
    int number;
    const char* score;
    const char* what;
};

constexpr Piece pieces[] = {
    {1, "musica-01-menus.score", "menus theme (xote)"},
    {2, "musica-02-patio.score", "battle: PRIMEIRO PATIO DA VILA (baiao)"},
    {3, "musica-03-casa.score", "battle: CASA DO SEU BRANDOLIM (arrasta-pe)"},
    {4, "musica-04-versus.score", "versus sting"},
    {5, "musica-05-vitoria.score", "victory theme"},
};

Rgba heat(double x) { // 0..1: black, blue, purple, orange, yellow, white
    static const Rgba stops[] = {rgb(0, 0, 0),      rgb(20, 20, 110),  rgb(140, 30, 140),
                                 rgb(240, 110, 30), rgb(250, 230, 60), rgb(255, 255, 255)};
    x = std::clamp(x, 0.0, 1.0) * 5;
    const int i = std::min(4, static_cast<int>(x));
    return mix(stops[i], stops[i + 1], static_cast<float>(x - i));
}

void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2 * 3.14159265358979 / len);
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> wn(1);
            for (std::size_t k = 0; k < len / 2; ++k, wn *= w) {
                const auto u = a[i + k], v = a[i + k + len / 2] * wn;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

// The waveform: the left channel above, the right below; the span of each column in
// colour, its RMS lighter; lines at -6 and -20 dBFS.
Image waveformPicture(const Stereo& a) {
    const int w = 1200, h = 300, half = h / 4;
    Image img(w, h, rgb(16, 18, 28));
    for (int ch = 0; ch < 2; ++ch) {
        const auto& s = ch ? a.right : a.left;
        const int mid = half + ch * 2 * half;
        for (double db : {-6.0, -20.0}) {
            const int dy = static_cast<int>(half * std::pow(10.0, db / 20));
            for (int x = 0; x < w; x += 2)
                img.at(x, mid - dy) = img.at(x, mid + dy) = rgb(60, 60, 80);
        }
        for (int x = 0; x < w; ++x) {
            const std::size_t from = s.size() * x / w,
                              to = std::max(from + 1, s.size() * (x + 1) / w);
            float lo = 0, hi = 0;
            double sum = 0;
            for (std::size_t i = from; i < to && i < s.size(); ++i)
                lo = std::min(lo, s[i]), hi = std::max(hi, s[i]), sum += double(s[i]) * s[i];
            const double rms = std::sqrt(sum / static_cast<double>(to - from));
            for (int y = mid - static_cast<int>(hi * half); y <= mid - static_cast<int>(lo * half);
                 ++y)
                if (y >= 0 && y < h) img.at(x, y) = rgb(70, 150, 220);
            for (int y = mid - static_cast<int>(rms * half);
                 y <= mid + static_cast<int>(rms * half); ++y)
                if (y >= 0 && y < h) img.at(x, y) = rgb(170, 220, 255);
            img.at(x, mid) = rgb(90, 90, 110);
        }
    }
    return img;
}

// The spectrogram: time across, 40 Hz .. 11 kHz up on a log scale, -95 .. 0 dB.
Image spectrogramPicture(const Stereo& a, int rate) {
    const int w = 1200, h = 320, size = 1024;
    Image img(w, h);
    std::vector<std::complex<double>> buf(size);
    std::vector<double> window(size);
    for (int i = 0; i < size; ++i)
        window[i] = 0.5 - 0.5 * std::cos(2 * 3.14159265358979 * i / size);
    for (int x = 0; x < w; ++x) {
        const long centre = static_cast<long>(a.size() * (x + 0.5) / w);
        for (int i = 0; i < size; ++i) {
            const long j = centre - size / 2 + i;
            const double v =
                j >= 0 && j < static_cast<long>(a.size()) ? 0.5 * (a.left[j] + a.right[j]) : 0;
            buf[i] = v * window[i];
        }
        fft(buf);
        for (int y = 0; y < h; ++y) {
            const double f0 = 40 * std::pow(11000.0 / 40, 1 - (y + 1.0) / h);
            const double f1 = 40 * std::pow(11000.0 / 40, 1 - static_cast<double>(y) / h);
            int b0 = static_cast<int>(f0 * size / rate),
                b1 = std::max(b0 + 1, static_cast<int>(f1 * size / rate));
            double m = 0;
            for (int b = b0; b < b1 && b < size / 2; ++b) m = std::max(m, std::norm(buf[b]));
            m = std::sqrt(m);
            const double db = 20 * std::log10(std::max(m / (size / 4.0), 1e-9));
            img.at(x, y) = heat((db + 95) / 95);
        }
    }
    // Octave lines at 110, 220, 440 ... Hz.
    for (double f = 55; f < 11000; f *= 2) {
        const int y = static_cast<int>(h * (1 - std::log(f / 40) / std::log(11000.0 / 40)));
        if (y >= 0 && y < h)
            for (int x = 0; x < w; x += 4) img.at(x, y) = rgb(90, 90, 90);
    }
    return img;
}

struct Made {
    std::string line;
    bool ok = false;
};

Made makePiece(const Outputs& out, const Piece& p) {
    Made made;
    char name[32];
    std::snprintf(name, sizeof name, "Musica-%02d", p.number);
    const std::string file = out.run + "/Musicas/" + name + ".ogg";
    const Score score = readScore(out.content + "/music/" + p.score);
    MixFigures mixed;
    const Stereo audio = renderScore(score, kTargetRmsDb, kCeilingDb, mixed);
    if (!writeOgg(file, audio, kMusicRate, kQuality,
                  {std::string("TITLE=") + p.what, score.loop ? "LOOP=yes" : "LOOP=no"})) {
        made.line = file + ": cannot write";
        return made;
    }
    Stereo decoded;
    int rate = 0;
    if (!readOgg(file, decoded, rate)) {
        made.line = file + ": cannot read back";
        return made;
    }
    const PieceFigures f = measurePiece(decoded, rate);
    writePng(out.previews + "/" + name + "-waveform.png", waveformPicture(decoded));
    writePng(out.previews + "/" + name + "-spectrogram.png", spectrogramPicture(decoded, rate));
    char line[400];
    std::snprintf(line, sizeof line,
                  "%s  %-44s %6.2f s  %3d bars  RMS %6.2f dBFS  peak %6.2f dBFS  limiter %5.2f dB  "
                  "loop jump %s",
                  name, p.what, f.seconds, score.bars, f.rmsDb, f.peakDb, mixed.limiterDb,
                  score.loop ? (std::to_string(f.loopJumpDb).substr(0, 7) + " dBFS (steps p99.9 " +
                                std::to_string(f.stepP999Db).substr(0, 7) + " dBFS)")
                                   .c_str()
                             : "- (plays once)");
    made.line = line;
    made.ok = true;
    return made;
}

} // namespace

void makeMusic(const Outputs& out) {
    const auto start = std::chrono::steady_clock::now();
    std::filesystem::create_directories(out.run + "/Musicas");
    std::vector<Made> made(std::size(pieces));
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < std::size(pieces); ++i)
        threads.emplace_back([&, i] {
            try {
                made[i] = makePiece(out, pieces[i]);
            } catch (const std::exception& e) {
                made[i].line = e.what();
            }
        });
    for (auto& t : threads) t.join();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::ofstream report(std::filesystem::path(out.previews).parent_path() / "music-figures.txt");
    bool ok = true;
    for (const Made& m : made) {
        std::printf("music: %s\n", m.line.c_str());
        report << m.line << "\n";
        ok = ok && m.ok;
    }
    std::printf("music: made in %.2f s\n", seconds);
    std::fflush(stdout);
    if (!ok) throw std::runtime_error("music: a piece could not be made");
}
