// Damaged copies of the game's data files: the error screen where the game has one, and
// never a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game_runner.h"

namespace fs = std::filesystem;

namespace {

void replaceLine(const std::string& path, int lineNumber, const std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t start = 0;
    for (int l = 1; l < lineNumber; ++l) start = all.find("\r\n", start) + 2;
    std::size_t end = all.find("\r\n", start);
    all.replace(start, end - start, text);
    std::ofstream(path, std::ios::binary) << all;
}

void truncate(const std::string& path, std::size_t size) {
    fs::resize_file(path, size);
}

} // namespace

TEST(DamagedData, EachKindOfDamageShowsItsErrorScreen) {
    struct Case {
        const char* what;
        void (*damage)(const std::string& run);
        const char* trace;
    } cases[] = {
        {"altered pose",
         [](const std::string& run) { replaceLine(run + "/Posicoes/Pos0009.pos", 4, "401"); },
         "1 error ARQUIVO  POSICOES\\POS0009.POS  INCORRETO\n"},
        {"missing pose", [](const std::string& run) { fs::remove(run + "/Posicoes/Pos0221.pos"); },
         "1 error ARQUIVO  POSICOES\\POS0221.POS  NÃO FOI ENCONTRADO\n"},
        {"missing model",
         [](const std::string& run) { fs::remove(run + "/Personagens/Personagem-017.cgo"); },
         "12 error ARQUIVO  PERSONAGENS/PERSONAGEM-017.CGO  NÃO FOI ENCONTRADO\n"},
        {"truncated model",
         [](const std::string& run) { truncate(run + "/Personagens/Personagem-003.cgo", 40); },
         "12 error ARQUIVO  PERSONAGENS/PERSONAGEM-003.CGO  INCORRETO - LINHA "},
        {"missing sound", [](const std::string& run) { fs::remove(run + "/Sons/Som-05.wav"); },
         "12 error ARQUIVO  SONS/SOM-05.WAV  NÃO FOI ENONTRADO\n"},
        {"missing music",
         [](const std::string& run) { fs::remove(run + "/Musicas/Musica-03.ogg"); },
         "12 error ARQUIVO  MUSICAS/MUSICA-03.OGG  NÃO FOI ENONTRADO\n"},
    };
    for (const Case& c : cases) {
        std::string run = copyOfRunDir("damaged");
        c.damage(run);
        std::string script = writeScript(run + "/..", startupScript('1') + "30 tap ESC\n");
        GameRun r = runGameIn(run, "--headless --trace --stats --ticks 100 --script " + script);
        EXPECT_EQ(r.status, 0) << c.what << "\n" << r.err;
        EXPECT_NE(r.out.find(c.trace), std::string::npos) << c.what << "\n" << r.out;
        EXPECT_EQ(r.out.find("VS-APRESENTACAO"), std::string::npos) << c.what;
        EXPECT_NE(r.out.find("ticks 29\n"), std::string::npos) << c.what << ": ESC leaves";
    }
}

TEST(DamagedData, ADamagedSoundStillLoadsAndTheGameGoesOn) {
    std::string run = copyOfRunDir("damaged-sound");
    std::ofstream(run + "/Sons/Som-04.wav", std::ios::binary) << "RIFF????WAVEjunk";
    std::string script = writeScript(run + "/..", startupScript('1'));
    GameRun r = runGameIn(run, "--headless --trace --ticks 20 --script " + script);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("12 scene VS-APRESENTACAO"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("Som-04.wav"), std::string::npos) << r.err;
}
