// The 31 sound effects, synthesised.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "generators.h"
#include "writers.h"

void makeSounds(const Outputs& out) {
    const int rate = 22050;
    for (int n = 1; n <= 31; ++n) {
        std::vector<std::int16_t> samples(rate / 10);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            double t = static_cast<double>(i) / rate;
            double env = 1.0 - static_cast<double>(i) / static_cast<double>(samples.size());
            samples[i] = static_cast<std::int16_t>(8000 * env * std::sin(2 * M_PI * (200 + 20 * n) * t));
        }
        char name[32];
        std::snprintf(name, sizeof name, "/Sons/Som-%02d.wav", n);
        if (!writeWav(out.run + name, samples, rate)) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", name);
            std::exit(1);
        }
    }
}
