// Instrument models, kept simple and cheap (a piece renders in a fraction of a second):
//   accordion ("sanfona", also its bass buttons and left-hand chords): three reeds, tuned
//     a few cents apart, reading a band-limited reedy wavetable, slow attack;
//   viola (viola caipira): Karplus-Strong plucked strings, low courses doubled an octave
//     up, chords strummed;
//   pifano (the cane fife): a sine-ish tone with a few harmonics, breath noise, a pitch
//     scoop at the attack and delayed vibrato;
//   zabumba: Z open and z pressed hits of a low drum (a falling sine, a second mode, a
//     click of the mallet), b the "bacalhau" stick on the lower skin;
//   triangle: o open and x closed strikes, four inharmonic partials, cut by the next hit.
// Then the mix: pan and gain per voice, a small Schroeder reverb, loudness to a target
// RMS and a look-ahead limiter.
#include "music_synth.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <deque>
#include <map>
#include <numbers>
#include <stdexcept>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kRate = kMusicRate;

struct Rng {
    std::uint32_t s;
    double uniform() { // 0..1
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / 16777216.0;
    }
    double noise() { return uniform() * 2 - 1; }
};

double frequencyOf(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Attack-sustain-release over a note `length` seconds long (t in seconds).
double asr(double t, double attack, double length, double release) {
    if (t < 0) return 0;
    double a = t < attack ? t / attack : 1;
    if (t > length) a *= std::max(0.0, 1 - (t - length) / release);
    return a;
}

using Mono = std::vector<float>;

// --- accordion ----------------------------------------------------------------------

constexpr int kTable = 2048;

// One cycle of a reed's wave for a note at `f`: harmonics up to 9.5 kHz, falling as
// 1/n^0.85, with a broad bump of the reed chamber around 1.4 kHz.
const std::vector<float>& reedTable(double f, int maxHarmonics) {
    thread_local std::map<std::pair<int, int>, std::vector<float>> cache;
    const int count = std::max(1, std::min(maxHarmonics, static_cast<int>(9500 / f)));
    const int key = static_cast<int>(f * 4);
    auto it = cache.find({key, count});
    if (it != cache.end()) return it->second;
    std::vector<double> amp(count + 1);
    for (int n = 1; n <= count; ++n) {
        const double hz = n * f;
        amp[n] = std::pow(n, -0.85) * (1 + 0.9 * std::exp(-std::pow((hz - 1400) / 800, 2))) *
                 (n % 2 == 0 ? 0.75 : 1.0);
    }
    std::vector<float> t(kTable + 1);
    double peak = 0;
    std::vector<double> v(kTable);
    for (int i = 0; i < kTable; ++i) {
        double s = 0;
        for (int n = 1; n <= count; ++n) s += amp[n] * std::sin(kTwoPi * n * i / kTable);
        v[i] = s;
        peak = std::max(peak, std::abs(s));
    }
    for (int i = 0; i < kTable; ++i) t[i] = static_cast<float>(v[i] / peak);
    t[kTable] = t[0];
    return cache.emplace(std::make_pair(key, count), std::move(t)).first->second;
}

struct ReedStyle {
    double attack, release, decayTo, decayTime;
    int harmonics;
    double detuneCents[3];
    double reedLevel[3];
};

constexpr ReedStyle kLead{0.035, 0.07, 1.0, 1.0, 14, {0, 5, -4}, {1, 0.6, 0.5}};
constexpr ReedStyle kChords{0.012, 0.05, 0.7, 0.12, 10, {0, 4, -3}, {1, 0.5, 0.4}};
constexpr ReedStyle kBass{0.010, 0.08, 0.7, 0.18, 8, {0, 3, -1200}, {1, 0.4, 0.6}};

void accordion(Mono& out, double length, int midi, double vel, const ReedStyle& st, Rng& rng) {
    const double f = frequencyOf(midi);
    const std::size_t n = static_cast<std::size_t>((length + st.release) * kRate) + 1;
    out.assign(n, 0);
    for (int r = 0; r < 3; ++r) {
        if (st.reedLevel[r] == 0) continue;
        const double fr = f * std::pow(2.0, st.detuneCents[r] / 1200);
        const auto& table = reedTable(fr, st.harmonics);
        double phase = rng.uniform() * kTable;
        const double step = fr * kTable / kRate;
        for (std::size_t i = 0; i < n; ++i) {
            const int k = static_cast<int>(phase);
            const double x = phase - k;
            out[i] +=
                static_cast<float>(st.reedLevel[r] * (table[k] + x * (table[k + 1] - table[k])));
            phase += step;
            if (phase >= kTable) phase -= kTable;
        }
    }
    const double level = std::pow(vel, 1.3) * 0.45;
    const double fall = std::exp(-1 / (st.decayTime * kRate));
    const std::complex<double> turn = std::polar(1.0, kTwoPi * 0.8 / kRate);
    std::complex<double> bellows(1, 0);
    double excess = 1 - st.decayTo;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = i / kRate;
        out[i] *= static_cast<float>(level * (st.decayTo + excess) * (1 + 0.04 * bellows.imag()) *
                                     asr(t, st.attack, length, st.release));
        excess *= fall;
        bellows *= turn;
    }
}

// --- viola --------------------------------------------------------------------------

void pluck(Mono& out, std::size_t offset, double length, double f, double vel, double level,
           Rng& rng) {
    const double delay = kRate / f - 0.5;
    const int size = static_cast<int>(delay) + 3;
    std::vector<float> line(size, 0);
    // The excitation: a period of noise, darker for a soft pluck.
    const double bright = 0.35 + 0.5 * vel;
    double lp = 0;
    for (int i = 0; i < size; ++i) {
        lp += bright * (rng.noise() - lp);
        line[i] = static_cast<float>(lp);
    }
    const double t60 = std::clamp(2.6 - f / 400, 0.8, 2.4);
    const double loss = std::pow(10.0, -3 / (t60 * f));
    const double release = 0.06;
    const std::size_t n = static_cast<std::size_t>((length + release) * kRate);
    if (out.size() < offset + n) out.resize(offset + n, 0);
    int w = 0;
    double prev = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double r = w - delay;
        while (r < 0) r += size;
        const int k = static_cast<int>(r);
        const double x = r - k;
        const double y = line[k] + x * (line[(k + 1) % size] - line[k]);
        const double filtered = loss * 0.5 * (y + prev);
        prev = y;
        line[w] = static_cast<float>(filtered);
        w = (w + 1) % size;
        out[offset + i] += static_cast<float>(y * level * asr(i / kRate, 0.002, length, release));
    }
}

void viola(Mono& out, double length, const std::vector<int>& pitches, double vel, Rng& rng) {
    out.clear();
    const double level = 0.9 * std::pow(vel, 1.2);
    for (std::size_t p = 0; p < pitches.size(); ++p) {
        const std::size_t offset = static_cast<std::size_t>(p * 0.012 * kRate); // strum
        const double f = frequencyOf(pitches[p]);
        pluck(out, offset, length, f, vel, level, rng);
        if (pitches[p] < 60) pluck(out, offset, length, 2 * f * 1.0015, vel, level * 0.45, rng);
    }
}

// --- pifano -------------------------------------------------------------------------

void pifano(Mono& out, double length, int midi, double vel, Rng& rng) {
    const double f = frequencyOf(midi);
    const double release = 0.06;
    const std::size_t n = static_cast<std::size_t>((length + release) * kRate) + 1;
    out.assign(n, 0);
    const double centre = std::min(2.3 * f, 7000.0);
    // A two-pole resonator for the breath, around `centre`.
    const double rr = 0.93, cosw = std::cos(kTwoPi * centre / kRate);
    double y1 = 0, y2 = 0, phase = rng.uniform() * kTwoPi;
    const double vibRate = 5.3 + rng.uniform() * 0.4;
    const double level = 0.5 * std::pow(vel, 1.2);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = i / kRate;
        const double scoop = -0.25 * std::exp(-t / 0.035);                 // semitones
        const double vib = 0.07 * std::clamp((t - 0.12) / 0.2, 0.0, 1.0) * // semitones
                           std::sin(kTwoPi * vibRate * t);
        phase += kTwoPi * f * std::pow(2.0, (scoop + vib) / 12) / kRate;
        if (phase > kTwoPi) phase -= kTwoPi;
        const double tone = std::sin(phase) + 0.3 * std::sin(2 * phase) +
                            0.1 * std::sin(3 * phase) + 0.04 * std::sin(4 * phase);
        const double y = rng.noise() + 2 * rr * cosw * y1 - rr * rr * y2;
        y2 = y1;
        y1 = y;
        const double chiff = 0.12 + 0.5 * std::exp(-t / 0.03);
        const double env = asr(t, 0.03, length, release);
        out[i] = static_cast<float>(level * env * (0.8 * tone + chiff * 0.05 * y));
    }
}

// --- drums --------------------------------------------------------------------------

void zabumba(Mono& out, const std::string& hit, double vel, Rng& rng) {
    const bool open = hit == "Z";
    const double length = hit == "b" ? 0.15 : open ? 0.6 : 0.35;
    const std::size_t n = static_cast<std::size_t>(length * kRate);
    out.assign(n, 0);
    const double level = std::pow(vel, 1.4);
    auto fall = [](double tau) { return std::exp(-1 / (tau * kRate)); };
    if (hit == "b") { // the stick on the lower skin: a dry crack
        const double centre = 2200, rr = 0.9, cosw = std::cos(kTwoPi * centre / kRate);
        double y1 = 0, y2 = 0, crack = 0.25, ring = 0.6;
        std::complex<double> tone(0, 1);
        const std::complex<double> turn = std::polar(fall(0.03), kTwoPi * 420 / kRate);
        const double crackFall = fall(0.022);
        for (std::size_t i = 0; i < n; ++i) {
            const double y = rng.noise() + 2 * rr * cosw * y1 - rr * rr * y2;
            y2 = y1;
            y1 = y;
            out[i] = static_cast<float>(level * (crack * y + ring * tone.real()));
            crack *= crackFall;
            tone *= turn;
        }
        return;
    }
    if (!open && hit != "z") throw std::runtime_error("zabumba hits are Z, z and b, not " + hit);
    const double f0 = open ? 108 : 120, f1 = open ? 60 : 74, tau = open ? 0.30 : 0.09;
    const double bodyFall = fall(tau), modeFall = fall(tau * 0.4), clickFall = fall(0.006),
                 glideFall = fall(0.045);
    double phase = 0, phase2 = 0, lp = 0, body = 1, mode = 0.3, click = open ? 0.35 : 0.5,
           glide = f0 - f1;
    for (std::size_t i = 0; i < n; ++i) {
        const double f = f1 + glide;
        phase += kTwoPi * f / kRate;
        phase2 += kTwoPi * f * 1.59 / kRate;
        lp += 0.5 * (rng.noise() - lp);
        const double s = body * std::sin(phase) + mode * std::sin(phase2) + click * lp;
        out[i] = static_cast<float>(level * 0.45 * s * std::min(1.0, i / (0.001 * kRate)));
        body *= bodyFall;
        mode *= modeFall;
        click *= clickFall;
        glide *= glideFall;
    }
}

void triangle(Mono& out, const std::string& hit, double length, double vel, Rng& rng) {
    const bool open = hit == "o";
    if (!open && hit != "x") throw std::runtime_error("triangle hits are o and x, not " + hit);
    static constexpr double ratio[] = {1, 2.58, 4.62, 6.95}, amp[] = {0.35, 0.6, 0.5, 0.35};
    const double base = 1320;
    const double ring = open ? std::min(length, 1.2) : std::min(length, 0.06);
    const double cut = 0.012;
    const std::size_t n = static_cast<std::size_t>((ring + cut) * kRate);
    out.assign(n, 0);
    const double level = 0.35 * std::pow(vel, 1.5);
    double hp = 0, prev = 0;
    std::complex<double> partial[4], turn[4];
    for (int k = 0; k < 4; ++k) {
        partial[k] = std::polar(amp[k], static_cast<double>(k));
        turn[k] = std::polar(std::exp(-(1 + 0.35 * k) / ((open ? 1.0 : 0.04) * kRate)),
                             kTwoPi * base * ratio[k] / kRate);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double t = i / kRate;
        double s = 0;
        for (int k = 0; k < 4; ++k) {
            s += partial[k].imag();
            partial[k] *= turn[k];
        }
        const double x = rng.noise();
        hp = 0.6 * (hp + x - prev); // the strike's tick
        prev = x;
        s += 0.5 * hp * std::exp(-t / 0.003);
        const double mute = t > ring ? std::max(0.0, 1 - (t - ring) / cut) : 1;
        out[i] = static_cast<float>(level * s * mute * std::min(1.0, t / 0.001));
    }
}

// --- the mix ------------------------------------------------------------------------

struct Comb {
    std::vector<float> buf;
    std::size_t at = 0;
    float store = 0;
    float process(float x, float feedback, float damp) {
        const float y = buf[at];
        store = y * (1 - damp) + store * damp;
        buf[at] = x + store * feedback;
        at = (at + 1) % buf.size();
        return y;
    }
};
struct Allpass {
    std::vector<float> buf;
    std::size_t at = 0;
    float process(float x) {
        const float b = buf[at];
        buf[at] = x + b * 0.5f;
        at = (at + 1) % buf.size();
        return b - x;
    }
};

// A small Schroeder reverb per side (the right side's lines a little longer).
void reverb(const Stereo& in, Stereo& wet, double send) {
    static constexpr int combs[] = {558, 594, 638, 678}, passes[] = {278, 172};
    for (int side = 0; side < 2; ++side) {
        std::vector<Comb> c;
        std::vector<Allpass> a;
        for (int d : combs) c.push_back({std::vector<float>(d + side * 12, 0)});
        for (int d : passes) a.push_back({std::vector<float>(d + side * 6, 0)});
        auto& out = side ? wet.right : wet.left;
        out.assign(in.size(), 0);
        for (std::size_t i = 0; i < in.size(); ++i) {
            const float x = static_cast<float>(send * 0.5 * (in.left[i] + in.right[i]) * 0.25);
            float y = 0;
            for (auto& comb : c) y += comb.process(x, 0.80f, 0.3f);
            for (auto& ap : a) y = ap.process(y);
            out[i] = y;
        }
    }
}

double rmsDb(const Stereo& s) {
    double sum = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        sum += double(s.left[i]) * s.left[i] + double(s.right[i]) * s.right[i];
    return 10 * std::log10(std::max(1e-20, sum / (2.0 * std::max<std::size_t>(1, s.size()))));
}

double peakDb(const Stereo& s) {
    float p = 1e-10f;
    for (std::size_t i = 0; i < s.size(); ++i)
        p = std::max({p, std::abs(s.left[i]), std::abs(s.right[i])});
    return 20 * std::log10(p);
}

void scale(Stereo& s, double db) {
    const float g = static_cast<float>(std::pow(10.0, db / 20));
    for (std::size_t i = 0; i < s.size(); ++i) s.left[i] *= g, s.right[i] *= g;
}

// Look-ahead peak limiter: the gain follows the largest peak of the next 5 ms down at
// once and recovers over about 150 ms. Returns the deepest cut in dB.
double limit(Stereo& s, double ceilingDb) {
    const double ceiling = std::pow(10.0, ceilingDb / 20);
    const std::size_t ahead = static_cast<std::size_t>(0.005 * kRate), n = s.size();
    std::vector<float> peak(n);
    for (std::size_t i = 0; i < n; ++i)
        peak[i] = std::max(std::abs(s.left[i]), std::abs(s.right[i]));
    // Sliding maximum over [i, i + ahead].
    std::vector<float> windowMax(n);
    std::deque<std::size_t> q;
    for (std::size_t j = 0; j < n + ahead; ++j) {
        if (j < n) {
            while (!q.empty() && peak[q.back()] <= peak[j]) q.pop_back();
            q.push_back(j);
        }
        if (j >= ahead) {
            const std::size_t i = j - ahead;
            while (q.front() < i) q.pop_front();
            windowMax[i] = peak[q.front()];
        }
    }
    const double recover = 1 - std::exp(-1 / (0.15 * kRate));
    const double smooth = 1 - std::exp(-1 / (0.0015 * kRate));
    double gain = 1, target = 1, deepest = 1;
    for (std::size_t i = 0; i < n; ++i) {
        const double need = windowMax[i] > ceiling ? ceiling / windowMax[i] : 1.0;
        target = need < target ? need : target + (1 - target) * recover;
        target = std::min(target, need);
        gain += (target - gain) * smooth;
        gain = std::min(gain, need);
        deepest = std::min(deepest, gain);
        s.left[i] = static_cast<float>(std::clamp(s.left[i] * gain, -ceiling, ceiling));
        s.right[i] = static_cast<float>(std::clamp(s.right[i] * gain, -ceiling, ceiling));
    }
    return 20 * std::log10(deepest);
}

// Runs `f` over the loop with its last `before` seconds put ahead of it and its first
// `after` seconds behind it, and keeps the loop: what a filter carries from the end into
// the start (the reverb's ring, the limiter's gain) is there, and the limiter looking
// ahead from the end sees the start.
template <class F> void overLoop(Stereo& s, double before, double after, F f) {
    const std::size_t n = s.size();
    const std::size_t b = std::min(n, static_cast<std::size_t>(before * kRate));
    const std::size_t a = std::min(n, static_cast<std::size_t>(after * kRate));
    for (auto* side : {&s.left, &s.right}) {
        std::vector<float> v;
        v.reserve(b + n + a);
        v.insert(v.end(), side->end() - static_cast<long>(b), side->end());
        v.insert(v.end(), side->begin(), side->end());
        v.insert(v.end(), side->begin(), side->begin() + static_cast<long>(a));
        side->swap(v);
    }
    f(s);
    for (auto* side : {&s.left, &s.right}) {
        side->erase(side->begin() + static_cast<long>(b + n), side->end());
        side->erase(side->begin(), side->begin() + static_cast<long>(b));
    }
}

} // namespace

Stereo renderScore(const Score& score, double targetRmsDb, double ceilingDb, MixFigures& figures) {
    const double tail = 2.5;
    const std::size_t loopSamples = static_cast<std::size_t>(std::lround(score.length * kRate));
    Stereo dry;
    dry.left.assign(loopSamples + static_cast<std::size_t>(tail * kRate) + kMusicRate, 0);
    dry.right.assign(dry.left.size(), 0);
    Rng rng{12345};
    Mono note, chord;
    for (const ScoreNote& e : score.notes) {
        const ScoreVoice& v = score.voices[e.voice];
        const bool drum = !e.hit.empty();
        // A player's hand: a few milliseconds early or late, a little louder or softer.
        const double jitter = (rng.uniform() - 0.5) * (drum ? 0.004 : 0.008);
        const double vel = std::clamp(e.velocity * (1 + (rng.uniform() - 0.5) * 0.12), 0.1, 1.0);
        const double start = std::max(0.0, e.start + jitter);
        note.clear();
        const std::string& inst = v.instrument;
        if (inst == "zabumba")
            zabumba(note, e.hit, vel, rng);
        else if (inst == "triangle")
            triangle(note, e.hit, e.length, vel, rng);
        else if (inst == "viola")
            viola(note, e.length, e.pitches, vel, rng);
        else {
            for (int p : e.pitches) {
                if (inst == "pifano")
                    pifano(chord, e.length, p, vel, rng);
                else if (inst == "accordion")
                    accordion(chord, e.length, p, vel, kLead, rng);
                else if (inst == "chords")
                    accordion(chord, e.length, p, vel, kChords, rng);
                else if (inst == "bass")
                    accordion(chord, e.length, p, vel, kBass, rng);
                else
                    throw std::runtime_error(score.name + ": unknown instrument " + inst);
                if (note.size() < chord.size()) note.resize(chord.size(), 0);
                for (std::size_t i = 0; i < chord.size(); ++i) note[i] += chord[i];
            }
        }
        const double pan =
            std::clamp(v.pan, -1.0, 1.0) * std::numbers::pi / 4 + std::numbers::pi / 4;
        const float gl = static_cast<float>(v.gain * std::cos(pan) * std::sqrt(2.0));
        const float gr = static_cast<float>(v.gain * std::sin(pan) * std::sqrt(2.0));
        const std::size_t at = static_cast<std::size_t>(start * kRate);
        for (std::size_t i = 0; i < note.size() && at + i < dry.size(); ++i) {
            dry.left[at + i] += gl * note[i];
            dry.right[at + i] += gr * note[i];
        }
    }
    Stereo mix;
    if (score.loop) {
        // The tails wrap onto the start: the loop's last bar rings on into its first.
        for (std::size_t i = loopSamples; i < dry.size(); ++i) {
            dry.left[i % loopSamples] += dry.left[i];
            dry.right[i % loopSamples] += dry.right[i];
        }
        dry.left.resize(loopSamples);
        dry.right.resize(loopSamples);
        overLoop(dry, 2.5, 0, [&](Stereo& s) {
            Stereo wet;
            reverb(s, wet, score.reverb);
            for (std::size_t i = 0; i < s.size(); ++i)
                s.left[i] += wet.left[i], s.right[i] += wet.right[i];
        });
        mix = std::move(dry);
    } else {
        Stereo wet;
        reverb(dry, wet, score.reverb);
        for (std::size_t i = 0; i < dry.size(); ++i)
            dry.left[i] += wet.left[i], dry.right[i] += wet.right[i];
        // Trim the quiet end, then fade the last 50 ms.
        std::size_t end = dry.size();
        while (end > loopSamples && std::abs(dry.left[end - 1]) < 1e-4 &&
               std::abs(dry.right[end - 1]) < 1e-4)
            --end;
        dry.left.resize(end);
        dry.right.resize(end);
        const std::size_t fade = static_cast<std::size_t>(0.05 * kRate);
        for (std::size_t i = 0; i < fade && i < end; ++i) {
            const float g = static_cast<float>(i) / fade;
            dry.left[end - 1 - i] *= g;
            dry.right[end - 1 - i] *= g;
        }
        mix = std::move(dry);
    }
    // Loudness: to the target RMS, the peaks held under the ceiling; twice, since the
    // limiter takes a little of the loudness away.
    figures.limiterDb = 0;
    figures.rawRmsDb = rmsDb(mix);
    for (int pass = 0; pass < 2; ++pass) {
        scale(mix, targetRmsDb - rmsDb(mix));
        if (score.loop)
            overLoop(mix, 1.0, 0.01, [&](Stereo& s) {
                figures.limiterDb = std::min(figures.limiterDb, limit(s, ceilingDb));
            });
        else
            figures.limiterDb = std::min(figures.limiterDb, limit(mix, ceilingDb));
    }
    figures.rmsDb = rmsDb(mix);
    figures.peakDb = peakDb(mix);
    return mix;
}
