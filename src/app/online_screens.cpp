#include "app/online_screens.h"

#include "app/frame.h"
#include "app/screenshot_notice.h"
#include "platform/gfx.h"
#include "platform/window.h"
#include "render/banner_box.h"
#include "render/text.h"
#include "shell/run_mode.h"

namespace {

constexpr f64 depth = -5;
constexpr Rgb white{255, 255, 255}, black{0, 0, 0}, gold{255, 230, 120}, grey{160, 160, 170};

// A character takes about 0.11 of its size across; long lines shrink to fit the screen.
f64 fitting(const std::string& text, f64 size) {
    const auto n = static_cast<f64>(text.size());
    return n * 0.11 * size > 6.2 ? 6.2 / (0.11 * n) : size;
}

void shadowed(const std::string& text, f64 x, f64 y, f64 wanted, Rgb colour) {
    const f64 size = fitting(text, wanted);
    drawText(text, "CENTRO", "CENTRO", x + 0.03, y - 0.03, depth, size, size, black, 220, 0);
    drawText(text, "CENTRO", "CENTRO", x, y, depth, size, size, colour, 255, 0);
}

} // namespace

void drawSessionScreen(const std::string& title, const std::vector<std::string>& lines) {
    gfx().clearColor(10 / 255.0f, 20 / 255.0f, 60 / 255.0f, 0);
    gfx().clear(GL::COLOR_BUFFER_BIT | GL::DEPTH_BUFFER_BIT);
    gfx().loadIdentity();
    gfx().disable(GL::DEPTH_TEST);
    gfx().enable(GL::ALPHA_TEST);
    gfx().alphaFunc(GL::GREATER, 0.2f);
    drawBanner(0, {30, 50, 140}, "", -3.4, 0.9, 3.4, 0.2, 200);
    shadowed(title, 0, 0.55, 3.2, gold);
    f64 y = -0.3;
    for (const std::string& line : lines) {
        shadowed(line, 0, y, 1.8, white);
        y -= 0.4;
    }
    drawScreenshotNotice();
    windowPresent(runMode.capture, &frameControl.captureWidth, &frameControl.captureHeight);
}

void drawLinkLine(std::uint32_t roundTripMs, int rolledBack) {
    const std::string text =
        "PING " + std::to_string(roundTripMs) + " MS   ROLLBACK " + std::to_string(rolledBack);
    drawText(text, "ESQ", "CENTRO", 3.27, -2.97, depth, 1, 1, black, 200, 0);
    drawText(text, "ESQ", "CENTRO", 3.25, -2.95, depth, 1, 1, grey, 255, 0);
}

void drawQuitQuestion(int cursor) {
    drawBanner(0, black, "", -3.5, 1.8, 3.5, -3.5, 100);
    drawBanner(0, {10, 20, 70}, "", -2.6, 1.0, 2.6, -1.4, 200);
    shadowed("SAIR DO JOGO ?", 0, 0.5, 3, white);
    constexpr f64 rowY[] = {-0.3, -0.9};
    drawBanner(0, {200, 140, 20}, "", -1.6, rowY[cursor - 1] + 0.22, 1.6, rowY[cursor - 1] - 0.22,
               120);
    shadowed("SIM", 0, rowY[0], cursor == 1 ? 3 : 2.4, cursor == 1 ? gold : grey);
    shadowed("NÃO", 0, rowY[1], cursor == 2 ? 3 : 2.4, cursor == 2 ? gold : grey);
}

void drawFrozenNotice() {
    drawBanner(0, black, "", -3.5, -1.45, 3.5, -2.35, 220);
    shadowed("AGUARDANDO OPONENTE", 0, -1.9, 3, gold);
}
