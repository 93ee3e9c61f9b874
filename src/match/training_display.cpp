#include "match/training_display.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "fight/hits.h"
#include "fight/object_steps.h"
#include "fight/training_inputs.h"
#include "fight/training_rules.h"
#include "match/hud_draw.h"
#include "platform/gfx.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/presentation.h"

namespace {

// The menu over the fight hides the display.
bool shown() {
    return presenting() && trainingBattle() && gs.training.display == 1 && gs.pauseMenuOpen == 0;
}

// ---- Boxes in the scene ----

struct BoxColour {
    float r, g, b;
};
constexpr BoxColour playerBody{0.2f, 0.6f, 1.0f}, dummyBody{0.3f, 1.0f, 0.3f},
    attackWindow{1.0f, 0.15f, 0.1f}, harmfulObject{1.0f, 0.55f, 0.0f},
    otherObject{1.0f, 1.0f, 0.3f};

// The twelve edges of a box.
void outline(const std::array<f64, 3>& lo, const std::array<f64, 3>& hi, BoxColour c) {
    gfx().color4f(c.r, c.g, c.b, 0.9f);
    gfx().begin(GL::LINES);
    for (int axis = 0; axis < 3; ++axis) {
        const int u = (axis + 1) % 3, v = (axis + 2) % 3;
        for (int corner = 0; corner < 4; ++corner) {
            std::array<f64, 3> a{}, b{};
            a[u] = b[u] = (corner & 1) ? hi[u] : lo[u];
            a[v] = b[v] = (corner & 2) ? hi[v] : lo[v];
            a[axis] = lo[axis];
            b[axis] = hi[axis];
            gfx().vertex3d(a[0], a[1], a[2]);
            gfx().vertex3d(b[0], b[1], b[2]);
        }
    }
    gfx().end();
}

void outline(const WorldBox& b, BoxColour c) {
    outline(b.min, b.max, c);
}

// The striking parts of every window that can still land, grown by the fighter's margin,
// as the hits test them.
void attackBoxes(const personagem& f) {
    for (const Acertos& a : f.hits) {
        if (!windowLive(f, a)) continue;
        for (std::size_t p = 1; p <= a.hitParts.size(); ++p) {
            if (a.hitParts[p] == 0) continue;
            const std::array<f64, 6> w = grownBox(f.parts[p].worldBox, f.boxMargin);
            outline({w[0], w[1], w[2]}, {w[3], w[4], w[5]}, attackWindow);
        }
    }
}

void objectBoxes() {
    for (const objeto& o : gs.objectPool) {
        if (o.kind == 0 || o.boxMin == o.boxMax) continue;
        outline(objectBox(o), o.harmful == 1 ? harmfulObject : otherObject);
    }
}

// ---- Figures over the HUD ----

constexpr Rgb label{190, 205, 235}, value{255, 255, 255}, good{120, 255, 120}, bad{255, 110, 90},
    quiet{150, 150, 160};

// A dark see-through panel behind figures.
void panel(f64 x1, f64 y1, f64 x2, f64 y2) {
    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().enable(GL::BLEND);
    gfx().blendFunc(GL::SRC_ALPHA, GL::ONE_MINUS_SRC_ALPHA);
    gfx().alphaFunc(GL::GREATER, 0.0f);
    gfx().color4ub(0, 0, 20, 130);
    gfx().begin(GL::QUADS);
    gfx().vertex3d(x1, y1, hudDepth);
    gfx().vertex3d(x2, y1, hudDepth);
    gfx().vertex3d(x2, y2, hudDepth);
    gfx().vertex3d(x1, y2, hudDepth);
    gfx().end();
    gfx().alphaFunc(GL::GREATER, 0.2f);
}

void line(std::string_view text, f64 x, f64 y, Rgb colour, f64 size = 1.0) {
    drawText(text, "", "CENTRO", x + 0.012, y - 0.012, hudDepth, size, size, {0, 0, 0}, 200, 0);
    drawText(text, "", "CENTRO", x, y, hudDepth, size, size, colour, 255, 0);
}

std::string signedTicks(i32 v) {
    char s[16];
    std::snprintf(s, sizeof s, "%+d", v);
    return s;
}

std::string number(f64 v) {
    char s[24];
    std::snprintf(s, sizeof s, "%.1f", v);
    std::string t = s;
    if (t.size() > 2 && t.compare(t.size() - 2, 2, ".0") == 0) t.resize(t.size() - 2);
    return t;
}

// One figure: its name on the left of the panel, its value on the right.
struct Figure {
    std::string_view name;
    std::string text;
    Rgb colour;
};

Rgb advantageColour(i32 v) {
    return v >= 0 ? good : bad;
}

constexpr f64 panelLeft = 1.5, panelRight = 3.22, panelTop = 0.6, rowStep = 0.15;

void framePanel() {
    const TrainingMove& m = gs.training.lastMove;
    const bool any = m.phase != static_cast<u8>(MovePhase::idle);
    const bool hit = m.outcome == static_cast<u8>(MoveOutcome::hit);
    const bool guarded = m.outcome == static_cast<u8>(MoveOutcome::guarded);
    const bool settled = m.phase == static_cast<u8>(MovePhase::settled);
    const auto ticks = [&](i32 v, bool known) {
        return known ? std::to_string(v) : std::string("-");
    };
    const Figure figures[] = {
        {"INÍCIO", ticks(m.startup, m.startup > 0), value},
        {"ATIVO", ticks(m.active, m.active > 0), value},
        {"RECUPERAÇÃO", ticks(m.recovery, m.playerFreeAt > 0), value},
        {"NO ACERTO", hit && settled ? signedTicks(m.onHit) : "-", advantageColour(m.onHit)},
        {"NA DEFESA", guarded && settled ? signedTicks(m.onGuard) : "-",
         advantageColour(m.onGuard)},
        {"DANO", number(m.damage), value},
        {"DANO NA GUARDA", number(m.guardDamage), value},
        {"COMBO", std::to_string(m.comboHits) + " / " + number(m.comboDamage), value},
    };
    const f64 bottom = panelTop - rowStep * (std::size(figures) + 2.6);
    panel(panelLeft - 0.08, panelTop + 0.1, panelRight + 0.02, bottom);
    // A long name is drawn smaller to stay within the panel.
    const std::string_view title = any ? m.anim.view() : "NENHUM GOLPE";
    const f64 fits = (panelRight - panelLeft) / (0.1 * static_cast<f64>(title.size()));
    line(title, panelLeft, panelTop - 0.02, any ? value : quiet, std::min(1.2, fits));
    f64 y = panelTop - 0.06 - rowStep * 1.2;
    for (const Figure& f : figures) {
        line(f.name, panelLeft, y, label);
        drawText(f.text, "ESQ", "CENTRO", panelRight, y, hudDepth, 1.0, 1.0, any ? f.colour : quiet,
                 255, 0);
        y -= rowStep;
    }
    const personagem& d = gs.fighter(dummyIndex);
    line("BONECO", panelLeft, y - 0.05, label);
    line(std::string(d.anim.view()) + " " + std::to_string(static_cast<int>(d.frame)), panelLeft,
         y - 0.05 - rowStep, value, 0.8);
}

// "ICONE" pictures of the keypad directions 1..9 as the move list shows them; 5 has none.
constexpr std::array<int, 10> directionIcons = {0, 33, 32, 31, 34, 0, 30, 35, 28, 29};
constexpr int punchIcon = 53, kickIcon = 54;

// Buttons 1..4: weak punch, weak kick, strong punch, strong kick.
struct ButtonLook {
    int icon;
    Rgb colour;
};
constexpr ButtonLook attackButtons[] = {
    {punchIcon, {170, 220, 255}},
    {kickIcon, {170, 220, 255}},
    {punchIcon, {255, 150, 80}},
    {kickIcon, {255, 150, 80}},
};

constexpr f64 inputsLeft = -3.26, inputsTop = -0.85, inputStep = 0.12, icon = 0.12;

void inputRow(const TrainingInput& in, f64 y) {
    drawText(std::to_string(in.ticks), "ESQ", "CENTRO", inputsLeft + 0.3, y, hudDepth, 0.95, 0.95,
             quiet, 255, 0);
    f64 x = inputsLeft + 0.4;
    const int dirIcon = in.direction < directionIcons.size() ? directionIcons[in.direction] : 0;
    if (dirIcon != 0)
        drawSprite("ICONE", dirIcon, "CENTRO", x, y, icon, icon, hudDepth, "CENTRO", "", white, 255,
                   0, 0, 1, 0, 1);
    else
        drawText("-", "CENTRO", "CENTRO", x, y, hudDepth, 1, 1, quiet, 255, 0);
    x += icon * 1.2;
    for (std::size_t b = 0; b < std::size(attackButtons); ++b) {
        if (!(in.buttons & (1u << b))) continue;
        drawSprite("ICONE", attackButtons[b].icon, "CENTRO", x, y, icon, icon, hudDepth, "CENTRO",
                   "", attackButtons[b].colour, 255, 0, 0, 1, 0, 1);
        x += icon * 1.1;
    }
    for (std::size_t b = 4; b < 8; ++b) {
        if (!(in.buttons & (1u << b))) continue;
        drawText(std::to_string(b + 1), "", "CENTRO", x - 0.04, y, hudDepth, 0.95, 0.95,
                 {255, 230, 140}, 255, 0);
        x += icon;
    }
}

void inputColumn() {
    const TrainingState& t = gs.training;
    const std::size_t n = std::min<std::size_t>(t.inputCount, t.inputs.size());
    if (n == 0) return;
    panel(inputsLeft - 0.05, inputsTop + inputStep * 0.6, inputsLeft + 1.05,
          inputsTop - inputStep * (static_cast<f64>(n) - 0.4));
    for (std::size_t i = 0; i < n; ++i)
        inputRow(t.inputs[i], inputsTop - inputStep * static_cast<f64>(i));
}

void drawCentred(const std::string& text, Rgb colour) {
    constexpr f64 y = 0.45, size = 1.5;
    drawText(text, "CENTRO", "CENTRO", 0.015, y - 0.015, hudDepth, size, size, {0, 0, 0}, 220, 0);
    drawText(text, "CENTRO", "CENTRO", 0, y, hudDepth, size, size, colour, 255, 0);
}

// Whatever the display shows, the recorder's state is always in sight.
void recorderLine() {
    const TrainingState& t = gs.training;
    const auto seconds = [](int ticks) { return number(ticks / 40.0) + " S"; };
    switch (static_cast<Recorder>(t.recorder)) {
    case Recorder::recording:
        drawCentred("GRAVANDO " + seconds(static_cast<int>(recordingTicks) - t.recordLength), bad);
        break;
    case Recorder::playing:
        drawCentred(t.playbackLoop ? "REPRODUZINDO EM LAÇO" : "REPRODUZINDO", good);
        break;
    case Recorder::idle:
    default:
        break;
    }
}

} // namespace

void drawTrainingBoxes() {
    if (!shown()) return;
    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().disable(GL::DEPTH_TEST);
    gfx().enable(GL::BLEND);
    gfx().lineWidth(2);
    outline(fighterBodyBox(gs.fighter(1)), playerBody);
    outline(fighterBodyBox(gs.fighter(dummyIndex)), dummyBody);
    for (int i = 1; i <= 2; ++i) attackBoxes(gs.fighter(i));
    objectBoxes();
    gfx().lineWidth(1);
    gfx().enable(GL::DEPTH_TEST);
}

void trainingHud() {
    if (!presenting() || !trainingBattle() || gs.pauseMenuOpen != 0) return;
    recorderLine();
    if (!shown()) return;
    framePanel();
    inputColumn();
}
