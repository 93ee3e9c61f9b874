#include <gtest/gtest.h>

#include "app/key_events.h"
#include "render/screen_effects.h"
#include "shell/rng.h"
#include "test_support.h"

namespace {

// One tick of a scene handler that has nothing to draw: just the effect loop.
void handlerTick() {
    runScreenEffects();
}

} // namespace

TEST(Curtain, SwitchesOnTheSixteenthTickCountingTheRequestTick) {
    freshGame();
    gs.sceneName = "OPCOES";
    gs.menuCursor = 4;
    gs.menuColumn = 2;
    requestScene("CONFIGURACOES");
    for (int tick = 1; tick <= 15; ++tick) {
        handlerTick();
        ASSERT_EQ(gs.sceneName, "OPCOES") << "switched early, at tick " << tick;
    }
    handlerTick();
    EXPECT_EQ(gs.sceneName, "CONFIGURACOES");
    EXPECT_EQ(gs.transitionTimer(), 14);
    EXPECT_TRUE(gs.nextScene.empty());
    EXPECT_EQ(gs.menuCursor, 1);
    EXPECT_EQ(gs.menuColumn, 1);
    for (int tick = 17; tick <= 30; ++tick) handlerTick();
    EXPECT_EQ(gs.transitionTimer(), 0);
    handlerTick(); // a spent curtain is neither drawn nor advanced
    EXPECT_EQ(gs.transitionTimer(), 0);
    EXPECT_EQ(gs.sceneName, "CONFIGURACOES");
}

TEST(Curtain, ABackRequestWhileTheCurtainRunsDoesNothing) {
    freshGame();
    gs.sceneName = "SELECAO-LUTADOR";
    gs.transitionTimer() = 20;
    FormKeyDown(vk::Escape);
    EXPECT_TRUE(gs.nextScene.empty());
    EXPECT_EQ(gs.transitionTimer(), 20);
    gs.transitionTimer() = 0;
    FormKeyDown(vk::Escape);
    EXPECT_EQ(gs.nextScene, "VS-SELECAO-JOG");
    EXPECT_EQ(gs.transitionTimer(), 30);
}

TEST(Curtain, LeavingForTheExitEndsTheGameAtTheSwitch) {
    freshGame();
    gs.sceneName = "OPCOES";
    requestScene("SAIR-DO-JOGO");
    for (int tick = 1; tick <= 15; ++tick) handlerTick();
    EXPECT_EQ(gs.quitRequested, 0);
    handlerTick();
    EXPECT_EQ(gs.quitRequested, 1);
}

TEST(Curtain, EnteringTheBattleLoadsTheArenaOnce) {
    freshGame();
    gs.sceneName = "VS-APRESENTACAO";
    gs.arena = 2;
    requestScene("BATALHA");
    for (int tick = 1; tick <= 16; ++tick) handlerTick();
    EXPECT_EQ(gs.sceneName, "BATALHA");
    EXPECT_EQ(gs.arenaModelsLoaded[2], 1);
    EXPECT_EQ(gs.arenaModelsLoaded[1], 0);
}

TEST(Curtain, ShapeFollowsTheTimer) {
    struct Case {
        double t;
        int alpha;
        double angle, radius;
    } cases[] = {
        {29, 27, 5.8, 0.71 - 13 * 0.048},
        {17, 255, 3.4, 0.71 - 0.048},
        {16, 255, 0, 0.71},
        {15, 255, 0, 0.71},
        {14, 255, 0, 0.71},
        {13, 255, 2.6, 0.71},
        {10, 198, 2.0, 0.71 - 3 * 0.048},
        {0, 8, 0, 0.71 - 13 * 0.048},
    };
    for (const Case& c : cases) {
        CurtainShape s = curtainShape(c.t);
        EXPECT_EQ(s.alpha, c.alpha) << "t " << c.t;
        EXPECT_NEAR(s.angle, c.angle, 1e-9) << "t " << c.t;
        EXPECT_NEAR(s.radius, c.radius, 1e-9) << "t " << c.t;
    }
}

TEST(ScreenEffects, PauseFreezesAllButTheFlash) {
    for (auto hold : {&GameState::paused, &GameState::pauseMenuOpen}) {
        freshGame();
        gs.*hold = 1;
        for (std::size_t k = 1; k <= 5; ++k) gs.effectTimers[k] = 10;
        runScreenEffects();
        EXPECT_EQ(gs.effectTimers[1], 10);
        EXPECT_EQ(gs.effectTimers[2], 10);
        EXPECT_EQ(gs.effectTimers[3], 10);
        EXPECT_EQ(gs.effectTimers[4], 9);
        EXPECT_EQ(gs.effectTimers[5], 10);
    }
}

TEST(ScreenEffects, TimersRunDownToZeroAndFractionsDoNotGoNegative) {
    freshGame();
    gs.effectTimers[1] = 0.5;
    gs.effectTimers[2] = 2;
    runScreenEffects();
    EXPECT_EQ(gs.effectTimers[1], 0);
    EXPECT_EQ(gs.effectTimers[2], 1);
}

TEST(ScreenEffects, SuperCameraAimsAtTheOwner) {
    freshGame();
    gs.superOwner = 2;
    gs.fighter(2).posX = 1.5;
    gs.fighter(2).posY = 0.5;
    gs.fighter(2).posZ = 3.5;
    gs.effectTimers[3] = 5;
    runScreenEffects();
    EXPECT_EQ(gs.cameraTargetX, 1.5);
    EXPECT_EQ(gs.cameraTargetY, 2.5);
    EXPECT_EQ(gs.cameraTargetZ, 9.5);
    EXPECT_EQ(gs.cameraHold, 5);
}

TEST(ScreenEffects, RadialBurstDrawsTwoNumbersPerTriangle) {
    freshGame();
    const u32 before = gs.rngState;
    gs.effectTimers[1] = 3;
    runScreenEffects();
    gs.rngState = before;
    for (int i = 0; i < 22; ++i) random(2);
    const u32 after22 = gs.rngState;
    gs.rngState = before;
    gs.effectTimers[1] = 3;
    runScreenEffects();
    EXPECT_EQ(gs.rngState, after22);
}
