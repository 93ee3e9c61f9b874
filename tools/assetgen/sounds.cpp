// The 31 sound effects (Sons/Som-01.wav .. Som-31.wav), synthesised.
//
// Small building blocks (curves over time, oscillators, seeded noise, biquad filters,
// envelopes, mixing) make one recipe per sound; the recipe table at the end maps sound
// numbers to recipes and peak levels. Everything is deterministic: noise comes from
// fixed seeds. content/sounds.md says what each sound is and who plays it.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <utility>
#include <vector>

#include "generators.h"
#include "writers.h"

namespace {

// The game's mixer runs at 22050 Hz, so the sounds are made at that rate.
constexpr int kRate = 22050;
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * std::numbers::pi;

using Signal = std::vector<double>;
using Curve = std::function<double(double)>; // a value over time (seconds)

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::max(1L, std::lround(seconds * kRate)));
}
double timeOf(std::size_t i) {
    return static_cast<double>(i) / kRate;
}

// --- curves -------------------------------------------------------------------------

Curve constant(double v) {
    return [v](double) { return v; };
}

// Piecewise curve through (time, value) points, held flat outside them. `geometric`
// interpolates on a log scale (for frequencies), otherwise linearly (for levels).
Curve path(std::initializer_list<std::pair<double, double>> points, bool geometric) {
    std::vector<std::pair<double, double>> p(points);
    return [p, geometric](double t) {
        if (t <= p.front().first) return p.front().second;
        for (std::size_t i = 1; i < p.size(); ++i) {
            if (t > p[i].first) continue;
            const auto [t0, v0] = p[i - 1];
            const auto [t1, v1] = p[i];
            const double x = t1 > t0 ? (t - t0) / (t1 - t0) : 1.0;
            return geometric ? v0 * std::pow(v1 / v0, x) : v0 + (v1 - v0) * x;
        }
        return p.back().second;
    };
}
Curve freqPath(std::initializer_list<std::pair<double, double>> points) {
    return path(points, true);
}
Curve levelPath(std::initializer_list<std::pair<double, double>> points) {
    return path(points, false);
}
// Exponential glide from `from` to `to` over `seconds`, then held.
Curve glide(double from, double to, double seconds) {
    return freqPath({{0, from}, {seconds, to}});
}

// A pitch curve with vibrato of `depth` (fraction of the pitch) at `rateHz`.
Curve vibrato(Curve base, double rateHz, double depth) {
    return [base, rateHz, depth](double t) {
        return base(t) * (1 + depth * std::sin(kTwoPi * rateHz * t));
    };
}

// --- envelopes ----------------------------------------------------------------------

// A strike: linear rise over `attack`, then exponential decay with time constant `tau`.
Curve strike(double attack, double tau) {
    return [attack, tau](double t) {
        if (t < attack) return t / attack;
        return std::exp(-(t - attack) / tau);
    };
}

// Attack, decay to `sustain`, and a release that ends at `length`.
Curve adsr(double attack, double decay, double sustain, double release, double length) {
    return [=](double t) {
        double level;
        if (t < attack)
            level = t / attack;
        else if (t < attack + decay)
            level = 1 - (1 - sustain) * (t - attack) / decay;
        else
            level = sustain;
        const double releaseStart = length - release;
        if (t >= length) return 0.0;
        if (t > releaseStart) level *= (length - t) / release;
        return level;
    };
}

// --- sources ------------------------------------------------------------------------

enum class Wave { Sine, Triangle, Square, Saw };

// Band-limiting correction for the steps of the square and saw (polyBLEP).
double blep(double phase, double step) {
    if (phase < step) {
        const double x = phase / step;
        return x + x - x * x - 1;
    }
    if (phase > 1 - step) {
        const double x = (phase - 1) / step;
        return x * x + x + x + 1;
    }
    return 0;
}

// An oscillator following a frequency curve.
Signal tone(double seconds, Wave wave, const Curve& freq) {
    Signal s(samplesFor(seconds));
    double phase = 0; // 0..1
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double step = std::min(freq(timeOf(i)) / kRate, 0.5);
        double v = 0;
        switch (wave) {
        case Wave::Sine:
            v = std::sin(kTwoPi * phase);
            break;
        case Wave::Triangle:
            v = 1 - 4 * std::abs(phase - 0.5);
            break;
        case Wave::Saw:
            v = 2 * phase - 1 - blep(phase, step);
            break;
        case Wave::Square: {
            v = phase < 0.5 ? 1 : -1;
            v += blep(phase, step);
            v -= blep(std::fmod(phase + 0.5, 1.0), step);
            break;
        }
        }
        s[i] = v;
        phase += step;
        if (phase >= 1) phase -= 1;
    }
    return s;
}

// White noise from a fixed seed (xorshift32).
Signal noise(double seconds, std::uint32_t seed) {
    Signal s(samplesFor(seconds));
    std::uint32_t x = seed ? seed : 1;
    for (double& v : s) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        v = static_cast<double>(x) / 2147483648.0 - 1.0;
    }
    return s;
}

// Sparse random clicks whose rate falls from `startRate` to `endRate` per second.
Signal crackle(double seconds, double startRate, double endRate, std::uint32_t seed) {
    const Signal dice = noise(seconds, seed);
    Signal s(dice.size());
    const Curve rate = glide(startRate, endRate, seconds);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double chance = rate(timeOf(i)) / kRate;
        const double roll = (dice[i] + 1) / 2;
        if (roll < chance) s[i] = (i % 2 ? 1.0 : -1.0) * (0.4 + 0.6 * roll / chance);
    }
    return s;
}

// --- filters ------------------------------------------------------------------------

enum class Pass { Low, High, Band };

// A biquad (audio-cookbook coefficients) whose corner follows a curve; `q` is its
// resonance (0.707 flat; higher rings more).
void filter(Signal& s, Pass pass, const Curve& corner, double q) {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double f = std::clamp(corner(timeOf(i)), 10.0, kRate * 0.45);
        const double w = kTwoPi * f / kRate;
        const double alpha = std::sin(w) / (2 * q);
        const double c = std::cos(w);
        double b0, b1, b2;
        switch (pass) {
        case Pass::Low:
            b0 = b2 = (1 - c) / 2, b1 = 1 - c;
            break;
        case Pass::High:
            b0 = b2 = (1 + c) / 2, b1 = -(1 + c);
            break;
        default:
            b0 = alpha, b1 = 0, b2 = -alpha;
            break;
        }
        const double a0 = 1 + alpha, a1 = -2 * c, a2 = 1 - alpha;
        const double x = s[i];
        const double y = (b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        s[i] = y;
    }
}
void lowpass(Signal& s, const Curve& corner, double q = 0.707) {
    filter(s, Pass::Low, corner, q);
}
void highpass(Signal& s, const Curve& corner, double q = 0.707) {
    filter(s, Pass::High, corner, q);
}
void bandpass(Signal& s, const Curve& centre, double q) {
    filter(s, Pass::Band, centre, q);
}

// --- shaping and mixing -------------------------------------------------------------

void shape(Signal& s, const Curve& envelope) {
    for (std::size_t i = 0; i < s.size(); ++i) s[i] *= envelope(timeOf(i));
}

// Raised-cosine fades over the first or last `seconds`, so a voice starts and ends
// without a click wherever its envelope has got to.
void fadeIn(Signal& s, double seconds) {
    const std::size_t n = std::min(samplesFor(seconds), s.size());
    for (std::size_t i = 0; i < n; ++i)
        s[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(n));
}
void fadeOut(Signal& s, double seconds) {
    const std::size_t n = std::min(samplesFor(seconds), s.size());
    for (std::size_t i = 0; i < n; ++i)
        s[s.size() - 1 - i] *=
            0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(n));
}

// Strikes a voice (see strike) and fades its end.
void strikeShape(Signal& s, double attack, double tau) {
    shape(s, strike(attack, tau));
    fadeOut(s, 0.01);
}

// Soft clipping: thickens hits; `drive` 1 is gentle.
void saturate(Signal& s, double drive) {
    const double norm = std::tanh(drive);
    for (double& v : s) v = std::tanh(drive * v) / norm;
}

// Adds `src` times `gain` into `dst`, starting `at` seconds in; `dst` grows as needed.
void mix(Signal& dst, const Signal& src, double gain, double at = 0) {
    const std::size_t start = at > 0 ? samplesFor(at) : 0;
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i) dst[start + i] += gain * src[i];
}

double peakOf(const Signal& s) {
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    return peak;
}

// --- compound voices ----------------------------------------------------------------

// A pitched thump: a sine gliding down from `from` to `to` over `glideTime`, struck.
Signal thump(double seconds, double from, double to, double glideTime, double tau) {
    Signal s = tone(seconds, Wave::Sine, glide(from, to, glideTime));
    strikeShape(s, 0.002, tau);
    return s;
}

// A noise burst through one filter, struck.
Signal burst(double seconds, std::uint32_t seed, Pass pass, const Curve& corner, double q,
             double attack, double tau) {
    Signal s = noise(seconds, seed);
    filter(s, pass, corner, q);
    strikeShape(s, attack, tau);
    return s;
}

// A rushing band of noise: the band's centre and the level follow curves.
Signal whoosh(double seconds, std::uint32_t seed, const Curve& centre, double q,
              const Curve& level) {
    Signal s = noise(seconds, seed);
    bandpass(s, centre, q);
    // A second, thinner band above the first adds air.
    Signal air = noise(seconds, seed * 7 + 3);
    bandpass(
        air, [&centre](double t) { return centre(t) * 1.9; }, q * 1.5);
    mix(s, air, 0.45);
    shape(s, level);
    return s;
}

// One partial of a bell: frequency ratio to the fundamental, level and decay time.
struct Partial {
    double ratio, gain, tau;
};

// A struck bell or bar: a sum of decaying sines.
Signal bell(double seconds, double fundamental, std::initializer_list<Partial> partials) {
    Signal s(samplesFor(seconds), 0.0);
    for (const Partial& p : partials) {
        if (fundamental * p.ratio >= kRate * 0.45) continue;
        Signal part = tone(seconds, Wave::Sine, constant(fundamental * p.ratio));
        strikeShape(part, 0.0015, p.tau);
        mix(s, part, p.gain);
    }
    return s;
}

// A small bright chime ringing for about `tau` seconds: harmonic partials, the upper
// ones dying faster; it lasts until it has faded by some 40 dB.
Signal chime(double f, double tau) {
    return bell(
        5 * tau, f,
        {{1, 1.0, tau}, {2, 0.3, tau * 0.4}, {3.0, 0.12, tau * 0.22}, {4.2, 0.06, tau * 0.14}});
}

// A square-and-triangle blip for the menus: a note with a short click-free envelope.
Signal blip(double seconds, double f, double squareShare) {
    Signal s = tone(seconds, Wave::Triangle, constant(f));
    Signal sq = tone(seconds, Wave::Square, constant(f));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = (1 - squareShare) * s[i] + squareShare * sq[i];
    lowpass(s, constant(f * 4));
    shape(s, adsr(0.003, 0.03, 0.6, std::min(0.04, seconds / 2), seconds));
    return s;
}

// A kazoo "nyah": a buzzing saw with vibrato whose lowest formant opens up.
Signal nyah(double seconds, const Curve& pitch) {
    Signal src = tone(seconds, Wave::Saw, vibrato(pitch, 5.5, 0.015));
    Signal s(src.size(), 0.0);
    Signal f1 = src, f2 = src, f3 = src;
    bandpass(f1, freqPath({{0, 320}, {0.07, 760}}), 3.0); // "n" opening to "a"
    bandpass(f2, freqPath({{0, 1500}, {0.07, 1150}}), 4.0);
    bandpass(f3, constant(2600), 5.0);
    mix(s, f1, 1.0);
    mix(s, f2, 0.7);
    mix(s, f3, 0.35);
    mix(s, src, 0.08);
    saturate(s, 1.5);
    shape(s, adsr(0.02, 0.06, 0.8, 0.07, seconds));
    return s;
}

// Note frequencies in equal temperament (A4 = 440 Hz): note(-12) is A3.
double note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// --- the recipes ----------------------------------------------------------------------

// 1: a running footstep: a soft heel thud and a scuff.
Signal footstep() {
    Signal s = thump(0.14, 150, 70, 0.05, 0.03);
    mix(s, burst(0.14, 101, Pass::Low, constant(450), 0.707, 0.001, 0.03), 0.7);
    mix(s, burst(0.1, 102, Pass::Band, constant(1800), 0.9, 0.002, 0.018), 0.45);
    return s;
}

// 2: landing from a jump: a heavier thud with a puff of dust.
Signal landing() {
    Signal s = thump(0.3, 120, 45, 0.12, 0.07);
    mix(s, burst(0.3, 201, Pass::Low, glide(2500, 400, 0.2), 0.8, 0.002, 0.06), 0.6);
    mix(s, burst(0.08, 202, Pass::Band, constant(1200), 1.0, 0.001, 0.02), 0.3);
    return s;
}

// 3: a body slamming onto the floor or into a wall.
Signal bodyFall() {
    Signal s = thump(0.55, 95, 35, 0.2, 0.14);
    mix(s, burst(0.45, 301, Pass::Low, glide(3000, 300, 0.3), 1.0, 0.001, 0.09), 0.9);
    mix(s, burst(0.06, 302, Pass::High, constant(2000), 0.707, 0.0005, 0.012), 0.4);
    mix(s, burst(0.55, 303, Pass::Low, constant(150), 0.707, 0.01, 0.2), 0.8);
    saturate(s, 1.5);
    return s;
}

// 4: a punch landing: a bright smack over a short body thump.
Signal punchHit() {
    Signal s = burst(0.22, 401, Pass::Band, constant(2200), 0.8, 0.0005, 0.025);
    mix(s, thump(0.22, 220, 80, 0.06, 0.05), 0.9);
    mix(s, burst(0.04, 402, Pass::High, constant(4000), 0.707, 0.0003, 0.006), 0.5);
    saturate(s, 2.0);
    return s;
}

// 5: a kick landing: lower and heavier than the punch.
Signal kickHit() {
    Signal s = thump(0.3, 160, 55, 0.08, 0.075);
    mix(s, burst(0.3, 501, Pass::Band, constant(1300), 0.7, 0.0005, 0.04), 0.9);
    mix(s, burst(0.05, 502, Pass::High, constant(3000), 0.707, 0.0003, 0.008), 0.4);
    saturate(s, 2.0);
    return s;
}

// 6: a special move or projectile landing: a blast with a zap and a ringing tail.
Signal specialHit() {
    Signal s = thump(0.5, 180, 45, 0.15, 0.1);
    mix(s, burst(0.5, 601, Pass::Low, glide(6000, 500, 0.35), 0.9, 0.0005, 0.08), 0.9);
    Signal zap = tone(0.3, Wave::Saw, glide(1400, 220, 0.18));
    lowpass(zap, constant(3000));
    strikeShape(zap, 0.001, 0.07);
    mix(s, zap, 0.35);
    mix(s, bell(0.5, 620, {{1, 1, 0.12}, {2.7, 0.6, 0.08}, {4.1, 0.4, 0.05}}), 0.2);
    saturate(s, 2.2);
    return s;
}

// 7: an attack swinging through the air.
Signal swing() {
    return whoosh(0.2, 701, freqPath({{0, 500}, {0.09, 2600}, {0.2, 1200}}), 3.0,
                  levelPath({{0, 0}, {0.07, 1}, {0.2, 0}}));
}

// 8: a jump (also an item thrown into the air): an upward rush and a light hop.
Signal jump() {
    Signal s = whoosh(0.2, 801, freqPath({{0, 400}, {0.2, 2200}}), 1.5,
                      levelPath({{0, 0}, {0.05, 1}, {0.2, 0}}));
    Signal hop = tone(0.15, Wave::Triangle, glide(220, 440, 0.08));
    lowpass(hop, constant(1500));
    strikeShape(hop, 0.003, 0.05);
    mix(s, hop, 0.5);
    return s;
}

// 9: a blocked attack (also two objects clashing): a hard clack with a metallic ring.
Signal guardBlock() {
    Signal s = burst(0.05, 901, Pass::High, constant(1800), 0.707, 0.0003, 0.012);
    mix(s,
        bell(0.25, 1250, {{1, 1.0, 0.06}, {1.51, 0.7, 0.045}, {2.37, 0.5, 0.03}, {3.3, 0.3, 0.02}}),
        0.6);
    mix(s, thump(0.1, 300, 200, 0.03, 0.02), 0.6);
    return s;
}

// 10: the guard shattering (also a knock-out by chip damage): impact, crash and shards.
Signal guardBreak() {
    Signal s = thump(0.9, 140, 40, 0.25, 0.15);
    mix(s, burst(0.9, 1001, Pass::High, constant(1500), 0.707, 0.001, 0.18), 0.7);
    mix(s, burst(0.9, 1002, Pass::Low, glide(5000, 600, 0.4), 0.9, 0.001, 0.25), 0.6);
    const double shards[][2] = {{2100, 0.0}, {2870, 0.03}, {3420, 0.07},
                                {4130, 0.1}, {5200, 0.15}, {3790, 0.21}};
    for (const auto& [f, at] : shards) {
        Signal shard = tone(0.4, Wave::Sine, glide(f, f * 0.97, 0.4));
        strikeShape(shard, 0.001, 0.09);
        mix(s, shard, 0.22, at);
    }
    saturate(s, 1.8);
    return s;
}

// 11: a fighter reeling dizzy: a wobbling tone and tweeting chirps circling the head.
Signal dizzy() {
    const double length = 1.0;
    Signal s = tone(length, Wave::Triangle, vibrato(glide(760, 620, length), 7, 0.12));
    Signal fifth = tone(length, Wave::Sine, vibrato(glide(1140, 930, length), 7, 0.12));
    mix(s, fifth, 0.4);
    shape(s, adsr(0.05, 0.1, 0.7, 0.4, length));
    for (int k = 0; k < 6; ++k) {
        const bool up = k % 2 == 0;
        Signal chirp =
            tone(0.07, Wave::Sine, up ? glide(2000, 3000, 0.06) : glide(2600, 1900, 0.06));
        strikeShape(chirp, 0.005, 0.03);
        mix(s, chirp, 0.55, 0.04 + 0.15 * k);
    }
    return s;
}

// 12: a power stock filled: a quick rising chime arpeggio.
Signal stockGained() {
    Signal s;
    const int steps[] = {3, 7, 10, 15}; // C6, E6, G6, C7
    for (int k = 0; k < 4; ++k) mix(s, chime(note(steps[k]), 0.16), k == 3 ? 0.8 : 0.6, 0.05 * k);
    Signal sparkle = noise(0.5, 1201);
    highpass(sparkle, constant(7000));
    strikeShape(sparkle, 0.1, 0.08);
    mix(s, sparkle, 0.06, 0.1);
    return s;
}

// 13: a super move starting: a rising surge, then an impact and a bright "shing".
Signal superFlash() {
    const double rise = 0.3;
    Signal s = noise(0.8, 1301);
    bandpass(s, freqPath({{0, 300}, {rise, 5000}, {0.8, 2000}}), 1.2);
    shape(s, levelPath({{0, 0.1}, {rise - 0.02, 1}, {rise + 0.05, 0.3}, {0.8, 0}}));
    Signal chord = tone(0.8, Wave::Saw, freqPath({{0, 110}, {rise, 220}}));
    mix(chord, tone(0.8, Wave::Saw, freqPath({{0, 165}, {rise, 330}})), 0.7);
    lowpass(chord, freqPath({{0, 400}, {rise, 4000}, {0.8, 500}}), 2.0);
    shape(chord, levelPath({{0, 0}, {rise, 1}, {0.8, 0}}));
    mix(s, chord, 0.45);
    mix(s, thump(0.45, 120, 50, 0.1, 0.1), 0.8, rise);
    mix(s, bell(0.7, 1760, {{1, 1, 0.16}, {2.32, 0.6, 0.11}, {4.25, 0.4, 0.07}, {6.8, 0.2, 0.05}}),
        0.45, rise);
    saturate(s, 1.3);
    return s;
}

// 14: the item chest landing and opening: a wooden knock, then a bright "ta-da".
Signal chestOpens() {
    Signal s = thump(0.2, 200, 110, 0.05, 0.04);
    mix(s, burst(0.15, 1401, Pass::Band, constant(700), 2.0, 0.001, 0.03), 0.6);
    const int steps[] = {10, 14, 17, 22}; // G5, B5, D6, G6
    for (int k = 0; k < 4; ++k) mix(s, chime(note(steps[k]), 0.14), 0.35, 0.08 + 0.06 * k);
    return s;
}

// 15: an item picked up: the classic two-note arcade blip.
Signal pickUp() {
    Signal s = blip(0.06, note(14), 0.6);          // B5
    mix(s, blip(0.14, note(19), 0.6), 1.0, 0.055); // E6
    return s;
}

// 16: the thrown item bursting: an explosion with a crackling tail.
Signal explosion() {
    Signal s = thump(1.0, 80, 30, 0.4, 0.25);
    mix(s, burst(1.0, 1601, Pass::Low, glide(4000, 150, 0.8), 0.9, 0.002, 0.25), 1.0);
    Signal crack = crackle(0.9, 600, 40, 1602);
    highpass(crack, constant(1000));
    strikeShape(crack, 0.01, 0.3);
    mix(s, crack, 0.4, 0.03);
    saturate(s, 2.5);
    return s;
}

// 17: debris of a burst scattering: a pop, then fizzing crackles.
Signal debris() {
    Signal s = burst(0.06, 1701, Pass::Band, constant(1500), 0.8, 0.0005, 0.02);
    Signal crack = crackle(0.6, 260, 30, 1702);
    bandpass(crack, constant(3500), 2.0);
    strikeShape(crack, 0.005, 0.2);
    mix(s, crack, 1.6);
    mix(s, burst(0.5, 1703, Pass::High, constant(5000), 0.707, 0.002, 0.12), 0.2);
    return s;
}

// 18: a menu row with nothing behind it: a low double buzz.
Signal menuNothing() {
    Signal s = blip(0.08, note(-14), 0.8); // G3
    mix(s, blip(0.1, note(-14), 0.8), 1.0, 0.11);
    lowpass(s, constant(1200));
    return s;
}

// 19: a menu choice confirmed: a rising two-tone blip.
Signal menuConfirm() {
    Signal s = blip(0.05, note(19), 0.4);          // E6
    mix(s, blip(0.16, note(26), 0.4), 1.0, 0.045); // B6
    return s;
}

// 20: back out of a menu: a falling two-tone blip, softer.
Signal menuBack() {
    Signal s = blip(0.05, note(12), 0.25);         // A5
    mix(s, blip(0.13, note(7), 0.25), 0.9, 0.045); // E5
    return s;
}

// 21: spare (no rule asks for it): a soft, harmless tick.
Signal spareTick() {
    return bell(0.06, 1200, {{1, 1, 0.02}, {2, 0.3, 0.01}});
}

// 22: a throw's blows landing: a muffled, meaty slam after a cloth rustle.
Signal grabHit() {
    Signal s = noise(0.06, 2201);
    bandpass(s, constant(3000), 0.8);
    shape(s, levelPath({{0, 0}, {0.01, 1}, {0.05, 0}}));
    Signal body = thump(0.28, 140, 60, 0.07, 0.06);
    mix(body, burst(0.28, 2202, Pass::Low, constant(1200), 0.707, 0.001, 0.04), 0.8);
    saturate(body, 1.6);
    Signal out;
    mix(out, s, 0.25);
    mix(out, body, 1.0, 0.015);
    return out;
}

// 23..26: fighter 1's taunt, the four calls of the teasing chant "nyah-nyah-nyah-nyaah"
// on a kazoo: G4, E4, A4, then G4 sliding down to a held E4.
Signal tauntCall1() {
    return nyah(0.3, constant(note(-2)));
}
Signal tauntCall2() {
    return nyah(0.3, constant(note(-5)));
}
Signal tauntCall3() {
    return nyah(0.3, constant(note(0)));
}
Signal tauntCall4() {
    return nyah(0.7, freqPath({{0, note(-2)}, {0.16, note(-2)}, {0.22, note(-5)}}));
}

// 27: the carbine shot: a crack and blast, a boom, a short echo, then the lever clacks.
Signal carbineShot() {
    Signal s = burst(0.05, 2701, Pass::High, constant(1500), 0.707, 0.0002, 0.01);
    Signal blast = burst(0.3, 2702, Pass::Low, glide(8000, 400, 0.15), 0.8, 0.0005, 0.05);
    mix(s, blast, 1.0);
    mix(s, thump(0.5, 110, 40, 0.15, 0.12), 0.9);
    mix(s, burst(0.5, 2703, Pass::Low, constant(800), 0.707, 0.02, 0.15), 0.3, 0.02);
    Signal echo = blast;
    lowpass(echo, constant(1500));
    mix(s, echo, 0.2, 0.12);
    saturate(s, 3.0);
    for (double at : {0.42, 0.48}) {
        mix(s, burst(0.03, 2704, Pass::Band, constant(3000), 2.0, 0.0003, 0.006), 0.35, at);
        mix(s, bell(0.06, 2600, {{1, 1, 0.02}, {1.7, 0.5, 0.01}}), 0.08, at);
    }
    return s;
}

// 28: an item's power taking effect: a shimmering rising sweep with twinkles.
Signal itemPower() {
    const double length = 0.8;
    Signal s = tone(length, Wave::Sine, glide(500, 2000, 0.5));
    shape(s, [](double t) { return 0.75 + 0.25 * std::sin(kTwoPi * 12 * t); });
    shape(s, adsr(0.02, 0.1, 0.7, 0.3, length));
    s.resize(samplesFor(length), 0.0);
    const int steps[] = {15, 22, 19, 27, 24, 31, 29, 34}; // a high pentatonic scatter
    for (int k = 0; k < 8; ++k) mix(s, chime(note(steps[k]), 0.08), 0.3, 0.05 + 0.07 * k);
    Signal air = noise(length, 2801);
    highpass(air, constant(6000));
    shape(air, adsr(0.2, 0.1, 0.6, 0.4, length));
    mix(s, air, 0.08);
    return s;
}

// 29: a fighter launched into an air combo: a hit, then a whistling upward rush.
Signal launch() {
    Signal s = thump(0.25, 170, 60, 0.06, 0.05);
    mix(s, burst(0.1, 2901, Pass::Band, constant(1800), 0.8, 0.0005, 0.03), 0.6);
    mix(s,
        whoosh(0.5, 2902, freqPath({{0, 300}, {0.45, 3500}}), 1.8,
               levelPath({{0, 0}, {0.05, 1}, {0.3, 0.8}, {0.5, 0}})),
        0.8);
    Signal whistle = tone(0.45, Wave::Sine, glide(600, 1800, 0.4));
    shape(whistle, adsr(0.05, 0.1, 0.8, 0.15, 0.45));
    mix(s, whistle, 0.2);
    return s;
}

// 30: the round clock ticking through its last ten seconds.
Signal clockTick() {
    Signal s = bell(0.08, 1760, {{1, 1, 0.012}, {2, 0.3, 0.008}});
    mix(s, burst(0.03, 3001, Pass::Band, constant(4000), 1.5, 0.0003, 0.004), 0.5);
    return s;
}

// 31: time over: the ring bell struck three times.
Signal timeOver() {
    Signal s;
    for (int k = 0; k < 3; ++k) {
        Signal ding = bell(1.1, 820,
                           {{1, 1, 0.35},
                            {1.004, 0.5, 0.35},
                            {2.32, 0.5, 0.22},
                            {4.25, 0.35, 0.14},
                            {6.63, 0.2, 0.08}});
        mix(ding, burst(0.03, 3101, Pass::High, constant(3000), 0.707, 0.0003, 0.004), 0.3);
        mix(s, ding, 1.0, 0.2 * k);
    }
    return s;
}

// --- finishing and the table --------------------------------------------------------

struct Recipe {
    int number;
    Signal (*make)();
    double peakDb; // level of the loudest sample, dB below full scale
};

// Sound numbers to recipes. Hits peak at -3 dBFS; swooshes, chimes and menus sit lower.
constexpr Recipe recipes[] = {
    {1, footstep, -8},      // running step
    {2, landing, -5},       // landing from a jump
    {3, bodyFall, -3},      // body hitting the floor or a wall
    {4, punchHit, -3},      // punch connects
    {5, kickHit, -3},       // kick connects
    {6, specialHit, -3},    // special move or projectile connects
    {7, swing, -6},         // attack swing
    {8, jump, -6},          // jump; item thrown
    {9, guardBlock, -4},    // blocked hit; objects clash
    {10, guardBreak, -3},   // guard broken; knock-out by chip damage
    {11, dizzy, -8},        // dizzy
    {12, stockGained, -6},  // power stock filled
    {13, superFlash, -3},   // super move starts
    {14, chestOpens, -5},   // item chest opens
    {15, pickUp, -8},       // item picked up
    {16, explosion, -3},    // thrown item bursts
    {17, debris, -6},       // burst debris scatters
    {18, menuNothing, -11}, // menu row without content
    {19, menuConfirm, -9},  // menu confirm
    {20, menuBack, -10},    // menu back
    {21, spareTick, -14},   // spare
    {22, grabHit, -4},      // throw blow connects
    {23, tauntCall1, -6},   // taunt, first call
    {24, tauntCall2, -6},   // taunt, second call
    {25, tauntCall3, -6},   // taunt, third call
    {26, tauntCall4, -6},   // taunt, last call
    {27, carbineShot, -3},  // carbine shot
    {28, itemPower, -6},    // item effect starts
    {29, launch, -4},       // launched into an air combo
    {30, clockTick, -5},    // last ten seconds of the clock
    {31, timeOver, -4},     // time over
};
static_assert(std::size(recipes) == 31);
constexpr bool numberedInOrder() {
    for (std::size_t i = 0; i < std::size(recipes); ++i)
        if (recipes[i].number != static_cast<int>(i) + 1) return false;
    return true;
}
static_assert(numberedInOrder(), "recipes[n - 1] must be sound n");

// Removes DC, trims the silent tail, fades both ends, scales to the peak level and
// converts to 16-bit samples.
std::vector<std::int16_t> finish(Signal s, double peakDb) {
    // DC blocker (one-pole high-pass near 15 Hz).
    const double r = 1 - kTwoPi * 15 / kRate;
    double x1 = 0, y1 = 0;
    for (double& v : s) {
        const double y = v - x1 + r * y1;
        x1 = v, y1 = y, v = y;
    }
    // Trim what lies 60 dB under the peak at the end.
    const double quiet = peakOf(s) * 0.001;
    std::size_t end = s.size();
    while (end > 1 && std::abs(s[end - 1]) < quiet) --end;
    s.resize(std::min(s.size(), end + samplesFor(0.005)));
    fadeIn(s, 0.002);
    fadeOut(s, 0.008);
    const double peak = peakOf(s);
    const double gain = peak > 0 ? std::pow(10.0, peakDb / 20) / peak : 0;
    std::vector<std::int16_t> pcm(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(
            std::clamp(std::lround(s[i] * gain * 32767), -32767L, 32767L));
    return pcm;
}

} // namespace

void makeSounds(const Outputs& out) {
    for (const Recipe& recipe : recipes) {
        char name[32];
        std::snprintf(name, sizeof name, "/Sons/Som-%02d.wav", recipe.number);
        if (!writeWav(out.run + name, finish(recipe.make(), recipe.peakDb), kRate)) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", name);
            std::exit(1);
        }
    }
}
