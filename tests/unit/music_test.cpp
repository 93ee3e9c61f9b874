// The music the build made (Musicas/ in the run directory), measured as the generator
// measures it, and the music list as the game loads it.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../../tools/assetgen/music_ogg.h"
#include "assets/music_files.h"
#include "platform/audio.h"
#include "scratch_dir.h"
#include "test_support.h"

namespace {

struct Expected {
    const char* file;
    double minSeconds, maxSeconds;
    bool loops;
};

constexpr Expected pieces[] = {
    {"Musicas/Musica-01.ogg", 55, 65, true},  {"Musicas/Musica-02.ogg", 85, 95, true},
    {"Musicas/Musica-03.ogg", 85, 95, true},  {"Musicas/Musica-04.ogg", 3, 5.5, false},
    {"Musicas/Musica-05.ogg", 17, 23, false},
};

double db(double gain) {
    return 20 * std::log10(gain);
}

// The loudest sample of a 16-bit wave file, in dBFS.
double wavePeakDb(const std::string& path) {
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &format, &data, &length)) return 0;
    int peak = 1;
    const auto* s = reinterpret_cast<const Sint16*>(data);
    for (Uint32 i = 0; i < length / 2; ++i) peak = std::max(peak, std::abs(int(s[i])));
    SDL_FreeWAV(data);
    return db(peak / 32768.0);
}

} // namespace

TEST(MusicFiles, ThePiecesAreAsLongAsComposedAlikeInLoudnessAndLoopWithoutAStep) {
    double quietest = 0, loudest = -100;
    for (const Expected& e : pieces) {
        SCOPED_TRACE(e.file);
        Stereo audio;
        int rate = 0;
        ASSERT_TRUE(readOgg(e.file, audio, rate));
        const PieceFigures f = measurePiece(audio, rate);
        std::printf("%s  %6.2f s  RMS %6.2f dBFS  peak %6.2f dBFS  loop jump %7.2f dBFS  "
                    "steps p99.9 %6.2f dBFS\n",
                    e.file, f.seconds, f.rmsDb, f.peakDb, f.loopJumpDb, f.stepP999Db);
        EXPECT_EQ(rate, 22050);
        EXPECT_GE(f.seconds, e.minSeconds);
        EXPECT_LE(f.seconds, e.maxSeconds);
        EXPECT_LT(f.peakDb, -0.5) << "no clipping";
        if (e.loops) {
            // A click would step as far as the music's own larger steps; the join steps far less.
            EXPECT_LE(f.loopJumpDb, f.stepP999Db - 12) << "the loop point steps";
        }
        quietest = std::min(quietest, f.rmsDb);
        loudest = std::max(loudest, f.rmsDb);
    }
    EXPECT_LE(loudest - quietest, 3.0) << "the pieces differ in loudness";

    // At the default volumes every effect the game plays peaks 6 dB above the music's RMS
    // (sound 21 is a spare nothing asks for).
    const double musicHeard =
        loudest + db(musicMixerVolumeFor(-1000, false) / double(MIX_MAX_VOLUME));
    const double effectGain = db(mixerVolumeFor(-1000) / double(MIX_MAX_VOLUME));
    double margin = 100;
    for (int n = 1; n <= 31; ++n) {
        if (n == 21) continue;
        char name[24];
        std::snprintf(name, sizeof name, "Sons/Som-%02d.wav", n);
        margin = std::min(margin, wavePeakDb(name) + effectGain - musicHeard);
        EXPECT_GE(wavePeakDb(name) + effectGain, musicHeard + 6) << name;
    }
    std::printf("the quietest effect peaks %.1f dB over the music's RMS\n", margin);
}

TEST(MusicFiles, TheVolumeBarRunsFromFullToSilent) {
    EXPECT_EQ(musicMixerVolumeFor(0, false), MIX_MAX_VOLUME);
    EXPECT_EQ(musicMixerVolumeFor(-1000, false), MIX_MAX_VOLUME / 4);
    EXPECT_EQ(musicMixerVolumeFor(-1000, true), MIX_MAX_VOLUME / 8);
    EXPECT_EQ(musicMixerVolumeFor(-2000, false), 0);
    EXPECT_EQ(musicMixerVolumeFor(-9000, false), 0);
}

TEST(MusicFiles, TheListHoldsThePlaceholderAndFivePiecesAndADamagedOneStaysSilent) {
    const auto musicas = std::filesystem::current_path() / "Musicas";
    freshGame();
    audioResetLists();
    ScratchDir dir("music");
    std::filesystem::copy(musicas, dir.path() / "Musicas");
    std::ofstream(dir.path() / "Musicas" / "Musica-02.ogg", std::ios::binary) << "OggS junk";
    loadMusic(800, 600);
    EXPECT_EQ(gs.sceneName, "DEBUG-PERSONAGEM") << gs.errorLine1.buf;
    EXPECT_EQ(waveCount(WaveList::Music), 6) << "the placeholder and five pieces";

    // With a (silent) output device: the damaged piece starts nothing, the others play.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    audioSetOutputEnabled(true);
    audioOpenDevice();
    musicStart(2, true, -1000, false);
    EXPECT_EQ(musicCurrent(), 2);
    EXPECT_FALSE(musicSounding());
    musicStart(3, true, -1000, false);
    EXPECT_TRUE(musicSounding());
    musicFadeOut();
    EXPECT_EQ(musicCurrent(), 0);
    audioClose();
    audioSetOutputEnabled(false);
}
