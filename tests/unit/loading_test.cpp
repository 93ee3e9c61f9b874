#include <gtest/gtest.h>

#include "assets/arena_assets.h"
#include "assets/model_files.h"
#include "assets/pose_files.h"
#include "assets/sound_files.h"
#include "assets/textures.h"
#include "platform/audio.h"
#include "scratch_dir.h"
#include "test_support.h"

// Runs from the run directory, with the data the build made.
TEST(Loading, TheWholeGeneratedSetLoadsWithoutAnError) {
    freshGame();
    audioResetLists();
    ASSERT_EQ(gs.sceneName, "DEBUG-PERSONAGEM") << gs.errorLine1.buf;
    setUpDisplay(2);
    ASSERT_EQ(gs.sceneName, "VS-APRESENTACAO") << gs.errorLine1.buf;
    for (PictureSet set : {PictureSet::Title, PictureSet::Effect, PictureSet::Icon,
                           PictureSet::Landscape, PictureSet::Fighter, PictureSet::Portrait})
        for (int n = 1; n <= textureSet(set).count; ++n)
            EXPECT_NE(textureName(set, n), 0u) << textureSet(set).stem << n;
    EXPECT_NE(font1Texture, 0u);
    EXPECT_NE(font2Texture, 0u);
    for (std::size_t n = 1; n <= partModelCount; ++n) {
        EXPECT_NE(partLists[n], 0u) << n;
        EXPECT_GT(partModels[n].faceCount, 0) << n;
    }
    EXPECT_EQ(waveCount(WaveList::Sounds), 32) << "the placeholder and 31 sounds";
    EXPECT_EQ(waveCount(WaveList::Music), 6) << "the placeholder and five pieces";
    EXPECT_GT(poseTable[221].root[1], 0);

    for (u8 arena : {u8(2), u8(1)}) {
        loadArenaAssets(arena);
        EXPECT_EQ(gs.sceneName, "VS-APRESENTACAO") << gs.errorLine1.buf;
    }
    for (PictureSet set : {PictureSet::Arena, PictureSet::ArenaOverlay})
        for (int n = 1; n <= textureSet(set).count; ++n)
            EXPECT_NE(textureName(set, n), 0u) << textureSet(set).stem << n;
    for (std::size_t n = 1; n <= arenaModelCount; ++n) EXPECT_NE(arenaLists[n], 0u) << n;
}

TEST(Loading, AMissingSoundShiftsTheLaterOnes) {
    const auto sounds = std::filesystem::current_path() / "Sons";
    freshGame();
    audioResetLists();
    ScratchDir dir("sounds");
    std::filesystem::copy(sounds, dir.path() / "Sons");
    std::filesystem::remove(dir.path() / "Sons" / "Som-05.wav");
    loadSounds(800, 600);
    EXPECT_EQ(gs.sceneName, "ERRO");
    EXPECT_EQ(gs.errorLine1, "ARQUIVO  SONS/SOM-05.WAV  NÃO FOI ENONTRADO");
    EXPECT_EQ(waveCount(WaveList::Sounds), 31) << "sound 6 is now item 5";
}
