// The music's voices mixed without a device: a short tone, encoded as the build encodes
// the music, pulled through the mixing step a block at a time.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../tools/assetgen/music_ogg.h"
#include "platform/audio.h"
#include "platform/music_stream.h"
#include "scratch_dir.h"

namespace {

// 110 whole periods of a 441 Hz tone at half of full scale: 5500 frames at 22050 Hz.
constexpr int toneFrames = 5500;

std::vector<unsigned char> toneFile() {
    Stereo tone;
    for (int i = 0; i < toneFrames; ++i) {
        const float s = 0.5f * static_cast<float>(std::sin(2 * M_PI * 441 * i / 22050.0));
        tone.left.push_back(s);
        tone.right.push_back(s);
    }
    ScratchDir dir("music-stream");
    EXPECT_TRUE(writeOgg("tone.ogg", tone, 22050, 0.4f, {}));
    std::ifstream in("tone.ogg", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const std::vector<unsigned char>& tone() {
    static const std::vector<unsigned char> file = toneFile();
    return file;
}

// `frames` frames of the stream's mix over silence.
std::vector<std::int16_t> pull(MusicStream& s, int frames) {
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * s.channels());
    for (int done = 0; done < frames; done += 1024)
        s.mix(out.data() + static_cast<std::size_t>(done) * s.channels(),
              std::min(1024, frames - done));
    return out;
}

int peak(const std::vector<std::int16_t>& v, std::size_t from, std::size_t to) {
    int p = 0;
    for (std::size_t i = from; i < std::min(to, v.size()); ++i) p = std::max(p, std::abs(v[i]));
    return p;
}

} // namespace

TEST(MusicStream, APieceLoopsWithoutAGapOrEndsAtItsLengthInAnyOutputFormat) {
    struct Format {
        int rate, channels;
    };
    for (const Format f :
         {Format{22050, 2}, Format{44100, 2}, Format{48000, 1}, Format{22050, 6}}) {
        SCOPED_TRACE(testing::Message() << f.rate << " Hz, " << f.channels << " channels");
        const int length = static_cast<int>(std::lround(toneFrames * f.rate / 22050.0));

        MusicStream looped(f.rate, f.channels);
        ASSERT_TRUE(looped.start(tone().data(), tone().size(), true, MIX_MAX_VOLUME));
        const std::vector<std::int16_t> loops = pull(looped, 4 * length);
        EXPECT_TRUE(looped.sounding());
        // The tone never rests on zero for more than a sample or two, least of all where
        // the piece starts again.
        int zeros = 0, longestZeros = 0;
        for (std::size_t i = 0; i < loops.size(); i += f.channels) {
            zeros = loops[i] == 0 ? zeros + 1 : 0;
            longestZeros = std::max(longestZeros, zeros);
        }
        EXPECT_LE(longestZeros, 2);
        EXPECT_GT(peak(loops, loops.size() - 100, loops.size()), 8000);

        MusicStream once(f.rate, f.channels);
        ASSERT_TRUE(once.start(tone().data(), tone().size(), false, MIX_MAX_VOLUME));
        const std::vector<std::int16_t> played = pull(once, 2 * length);
        EXPECT_FALSE(once.sounding());
        std::size_t last = played.size();
        while (last > 0 && played[last - 1] == 0) --last;
        EXPECT_NEAR(static_cast<double>(last / f.channels), length, length * 0.02);
        EXPECT_GT(peak(played, 0, played.size()), 15000);
    }
}

TEST(MusicStream, StartingAPieceFadesTheOldOneToSilenceInHalfASecondWhileTheNewOnePlaysAtOnce) {
    constexpr int rate = 22050, fadeFrames = rate * MusicStream::fadeMs / 1000;
    const auto& file = tone();

    // The old piece alone: the new one is started at volume 0.
    MusicStream alone(rate, 2), fading(rate, 2);
    alone.start(file.data(), file.size(), true, MIX_MAX_VOLUME);
    fading.start(file.data(), file.size(), true, MIX_MAX_VOLUME);
    pull(alone, 1000);
    pull(fading, 1000);
    fading.start(file.data(), file.size(), true, 0);
    const std::vector<std::int16_t> full = pull(alone, 2 * fadeFrames);
    const std::vector<std::int16_t> faded = pull(fading, 2 * fadeFrames);
    EXPECT_TRUE(fading.sounding());
    for (int f = 0; f < fadeFrames; ++f) {
        const double left = 1.0 - f / double(fadeFrames);
        ASSERT_LE(std::abs(faded[2 * f]), std::abs(full[2 * f]) * left + 1) << "frame " << f;
    }
    const int middle = fadeFrames; // sample index of the fade's halfway frame
    EXPECT_NEAR(peak(faded, middle - 200, middle + 200) /
                    double(peak(full, middle - 200, middle + 200)),
                0.5, 0.05);
    EXPECT_EQ(peak(faded, 2 * fadeFrames, faded.size()), 0) << "silent after half a second";

    // The new piece alone: the old one plays on at volume 0, and the new one is heard at
    // full from its first sample as if it played by itself.
    MusicStream fresh(rate, 2), replaced(rate, 2);
    replaced.start(file.data(), file.size(), true, 0);
    pull(replaced, 1000);
    replaced.start(file.data(), file.size(), false, MIX_MAX_VOLUME);
    fresh.start(file.data(), file.size(), false, MIX_MAX_VOLUME);
    EXPECT_EQ(pull(replaced, 2 * fadeFrames), pull(fresh, 2 * fadeFrames));

    // Fading out with nothing new: the music stops sounding at once and falls silent.
    fading.fadeOut();
    EXPECT_FALSE(fading.sounding());
    EXPECT_EQ(peak(pull(fading, 2 * fadeFrames), 0, 4 * fadeFrames), 0);
}

TEST(MusicStream, ADamagedPieceStartsNothingAndLetsTheOldOneFade) {
    const std::string junk = "OggS junk";
    const auto& file = tone();
    std::vector<unsigned char> cut(file.begin(), file.begin() + 40);
    struct Case {
        const char* name;
        const unsigned char* data;
        std::size_t size;
    };
    for (const Case c :
         {Case{"the placeholder", nullptr, 0},
          Case{"junk", reinterpret_cast<const unsigned char*>(junk.data()), junk.size()},
          Case{"a cut header", cut.data(), cut.size()}}) {
        SCOPED_TRACE(c.name);
        MusicStream s(22050, 2);
        EXPECT_FALSE(s.start(c.data, c.size, true, MIX_MAX_VOLUME));
        EXPECT_FALSE(s.sounding());
        EXPECT_EQ(peak(pull(s, 4096), 0, 8192), 0);

        s.start(file.data(), file.size(), true, MIX_MAX_VOLUME);
        EXPECT_FALSE(s.start(c.data, c.size, true, MIX_MAX_VOLUME));
        EXPECT_FALSE(s.sounding());
        const std::vector<std::int16_t> out = pull(s, 22050);
        EXPECT_GT(peak(out, 0, 1000), 8000) << "the old piece fades rather than stops";
        EXPECT_EQ(peak(out, 2 * 11025, out.size()), 0);
    }
}

TEST(MusicStream, TheVolumeScalesTheSamplesLinearlyAndTheMixSaturates) {
    const auto& file = tone();
    MusicStream full(22050, 2);
    full.start(file.data(), file.size(), false, MIX_MAX_VOLUME);
    const std::vector<std::int16_t> reference = pull(full, toneFrames);
    for (const int bar : {0, -500, -1000, -2000}) {
        for (const bool halved : {false, true}) {
            SCOPED_TRACE(testing::Message() << bar << (halved ? " halved" : ""));
            const int volume = musicMixerVolumeFor(bar, halved);
            MusicStream s(22050, 2);
            // Set at the start and changed while playing alike.
            s.start(file.data(), file.size(), false, MIX_MAX_VOLUME);
            const std::vector<std::int16_t> before = pull(s, 1000);
            s.setVolume(volume);
            std::vector<std::int16_t> out = pull(s, toneFrames - 1000);
            out.insert(out.begin(), before.begin(), before.end());
            for (std::size_t i = 2000; i < out.size(); ++i)
                ASSERT_NEAR(out[i], reference[i] * volume / double(MIX_MAX_VOLUME), 1)
                    << "sample " << i;
        }
    }

    // Added onto loud samples, the tone's crests clip at full scale instead of wrapping.
    MusicStream loud(22050, 2);
    loud.start(file.data(), file.size(), false, MIX_MAX_VOLUME);
    std::vector<std::int16_t> out(2 * 4096, 30000);
    loud.mix(out.data(), 4096);
    EXPECT_EQ(*std::max_element(out.begin(), out.end()), 32767);
    EXPECT_GT(*std::min_element(out.begin(), out.end()), 30000 - 17000);
}
