#include <gtest/gtest.h>

#include "shell/scene_change.h"
#include "test_support.h"

TEST(Trace, ReportsEachSceneChangeOnceAndTheErrorScreen) {
    freshGame();
    setTraceEnabled(true);
    testing::internal::CaptureStdout();
    setTraceTick(4);
    switchScene("DEBUG-CENARIO");
    switchScene("DEBUG-CENARIO");
    setTraceTick(9);
    gs.sceneName = "OPCOES"; // a plain assignment, caught at the end of the tick
    traceSceneIfChanged();
    enterErrorScene("ARQUIVO  SONS/SOM-05.WAV  NÃO FOI ENONTRADO", "B", "C", "D");
    enterErrorScene("SECOND", "B", "C", "D");
    std::string out = testing::internal::GetCapturedStdout();
    setTraceEnabled(false);
    EXPECT_EQ(out, "4 scene DEBUG-CENARIO\n"
                   "9 scene OPCOES\n"
                   "9 scene ERRO\n"
                   "9 error ARQUIVO  SONS/SOM-05.WAV  NÃO FOI ENONTRADO\n");
    EXPECT_EQ(gs.errorLine1, "SECOND") << "a later failure still fills the lines";
    EXPECT_EQ(gs.errorLine4, "D");
}
