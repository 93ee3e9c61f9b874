#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "assets/textures.h"
#include "match/battle_hud.h"
#include "recording_gfx.h"
#include "test_support.h"

namespace {

constexpr u32 iconBase = 1000, effectBase = 2000, portraitBase = 3000, titleBase = 4000;
constexpr u32 fontName = 9001;

// One drawn quad: the texture bound for it, its colour and its extent.
struct Quad {
    u32 texture;
    double alpha;
    double left, right, bottom, top;
};

// Gives every picture a texture name that tells its set and number, and reads the
// recorded calls back as quads.
struct HudRecording {
    RecordingGfx rec;
    std::vector<std::pair<PictureSet, std::vector<u32>>> saved;
    u32 savedFont1, savedFont2;

    HudRecording() {
        freshGame();
        const std::pair<PictureSet, u32> sets[] = {{PictureSet::Icon, iconBase},
                                                   {PictureSet::Effect, effectBase},
                                                   {PictureSet::Portrait, portraitBase},
                                                   {PictureSet::Title, titleBase}};
        for (auto [set, base] : sets) {
            std::vector<u32>& names = textureSet(set).names;
            saved.emplace_back(set, names);
            names.assign(100, 0);
            for (u32 n = 1; n < 100; ++n) names[n] = base + n;
        }
        savedFont1 = font1Texture;
        savedFont2 = font2Texture;
        font1Texture = font2Texture = fontName;
        for (int i = 1; i <= 2; ++i) {
            personagem& f = gs.fighter(i);
            f.character = static_cast<u8>(i);
            f.life = f.lifeTrail = 100;
            f.guard = 100;
            f.anim = "PARADO";
        }
        gs.roundTimeSetting = 1;
        gs.roundTime = 60;
        gs.roundTimeF = 40;
        useGfx(rec);
    }
    ~HudRecording() {
        useGfx(nullGfx());
        for (auto& [set, names] : saved) textureSet(set).names = names;
        font1Texture = savedFont1;
        font2Texture = savedFont2;
    }

    std::vector<Quad> quads() const {
        std::vector<Quad> out;
        u32 texture = 0;
        double alpha = 0;
        std::vector<double> xs, ys;
        for (const GfxCall& c : rec.calls) {
            if (c.name == "bindTexture") texture = static_cast<u32>(c.a[0]);
            if (c.name == "disable" && c.a[0] == GL::TEXTURE_2D) texture = 0;
            if (c.name == "color") alpha = c.a[3];
            if (c.name == "vertex") {
                xs.push_back(c.a[0]);
                ys.push_back(c.a[1]);
            }
            if (c.name == "end" && xs.size() == 4) {
                out.push_back({texture, alpha, *std::min_element(xs.begin(), xs.end()),
                               *std::max_element(xs.begin(), xs.end()),
                               *std::min_element(ys.begin(), ys.end()),
                               *std::max_element(ys.begin(), ys.end())});
            }
            if (c.name == "end") xs.clear(), ys.clear();
        }
        return out;
    }
    std::vector<Quad> of(u32 texture) const {
        std::vector<Quad> out;
        for (const Quad& q : quads())
            if (q.texture == texture) out.push_back(q);
        return out;
    }
};

} // namespace

TEST(BattleHud, LifeBarLengthFollowsLifeWithAMinimalGlowAtZero) {
    struct Case {
        double life, trail;
    } cases[] = {{100, 100}, {60, 80}, {25, 25}, {0, 12}, {130, 130}, {-5, 0}};
    for (const Case& c : cases) {
        HudRecording hud;
        gs.fighter(1).life = c.life;
        gs.fighter(1).lifeTrail = c.trail;
        fighterHud(1);
        const double life = std::clamp(c.life, 0.0, 100.0);
        EXPECT_EQ(gs.fighter(1).life, life);
        const std::vector<Quad> bars = hud.of(iconBase + 4); // glow, trail, bar
        ASSERT_EQ(bars.size(), 3u) << c.life;
        EXPECT_NEAR(bars[0].right - bars[0].left, life / 100 * 1.87 + 0.1, 1e-9) << c.life;
        EXPECT_NEAR(bars[1].right - bars[1].left, c.trail / 100 * 1.87, 1e-9) << c.life;
        EXPECT_NEAR(bars[2].right - bars[2].left, life / 100 * 1.87, 1e-9) << c.life;
        EXPECT_NEAR(bars[2].right, -1.254, 0.03) << "the bar grows from its inner end";
        // At 25 and below the frame blinks red on two ticks out of four.
        gs.gameCycle = 1;
        hud.rec.calls.clear();
        fighterHud(1);
        const bool low = life > 0 && life <= 25;
        bool red = false;
        for (std::size_t i = 0; i + 1 < hud.rec.calls.size(); ++i)
            if (hud.rec.calls[i].name == "bindTexture" && hud.rec.calls[i].a[0] == iconBase + 2) {
                for (std::size_t k = i; k < hud.rec.calls.size(); ++k)
                    if (hud.rec.calls[k].name == "color") {
                        red = hud.rec.calls[k].a[1] == 50;
                        break;
                    }
                break;
            }
        EXPECT_EQ(red, low) << c.life;
    }
}

TEST(BattleHud, FighterTwoMirrorsFighterOne) {
    HudRecording hud;
    gs.gameCycle = 7;
    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        f.character = 1;
        f.life = 40;
        f.lifeTrail = 55;
        f.power = 35;
        f.stocks = 2;
        f.stocksToSpend = 1;
        f.guard = 30;
        f.dizzy = 80;
        f.hitCount = 11; // digits read left to right on both sides
        f.comboTimer = 20;
        f.hudTimerA = 20;
        f.hudTimerB = 39;
        f.winStreak = 3;
        f.items = {2, 5, 1, 0, 0};
        f.itemEffect = 3;
        f.itemEffectTimer = 97;
    }
    const auto side = [&](int i) {
        hud.rec.calls.clear();
        fighterHud(i);
        std::vector<std::tuple<u32, long, long, long, long>> keys;
        for (const Quad& q : hud.quads()) {
            const double l = i == 1 ? q.left : -q.right, r = i == 1 ? q.right : -q.left;
            keys.emplace_back(q.texture, std::lround(l * 1000), std::lround(r * 1000),
                              std::lround(q.bottom * 1000), std::lround(q.top * 1000));
        }
        std::sort(keys.begin(), keys.end());
        return keys;
    };
    const auto one = side(1);
    const auto two = side(2);
    ASSERT_GT(one.size(), 40u);
    EXPECT_EQ(one, two);
}

TEST(BattleHud, HudHideTwoMovesEverySideGaugeOffTheScreen) {
    for (int i = 1; i <= 2; ++i) {
        HudRecording hud;
        personagem& f = gs.fighter(i);
        f.life = 20;
        f.lifeTrail = 50;
        f.stocks = 3;
        f.dizzy = 100;
        f.winStreak = 1;
        f.items = {1, 2, 3, 4, 5};
        f.itemEffect = 2;
        f.itemEffectTimer = 50;
        gs.hudHide = 2;
        fighterHud(i);
        const std::vector<Quad> quads = hud.quads();
        ASSERT_GT(quads.size(), 20u);
        for (const Quad& q : quads)
            EXPECT_TRUE(q.right < -3.33 || q.left > 3.33 || q.bottom > 1.67 || q.top < -3.33)
                << "fighter " << i << " texture " << q.texture << " at " << q.left << ".."
                << q.right << ", " << q.bottom << ".." << q.top;
    }
}

TEST(BattleHud, ClockShowsDigitsOrTheBreathingEmblem) {
    struct Case {
        u8 setting;
        int digits;
        std::size_t emblems;
    } cases[] = {{1, 4, 0}, {3, 4, 0}, {4, 0, 1}};
    for (const Case& c : cases) {
        HudRecording hud;
        gs.roundTimeSetting = c.setting;
        gs.roundTime = 45;
        const u32 rng = gs.rngState;
        sharedHud();
        EXPECT_EQ(hud.of(iconBase + 17).size(), c.emblems);
        // "TEMPO" is five letters; the rest are the shadowed pair of digits.
        EXPECT_EQ(static_cast<int>(hud.of(fontName).size()) - 5, c.digits);
        EXPECT_EQ(gs.rngState, rng) << "the HUD draws no random numbers";
    }
}

TEST(BattleHud, AirComboPromptLightsTheRouteButtonAndAimsTheCamera) {
    HudRecording hud;
    personagem& attacker = gs.fighter(1);
    personagem& juggled = gs.fighter(2);
    attacker.posX = -1;
    attacker.posY = 2;
    attacker.airComboRoute = "ACBD";
    attacker.airComboStep = 2;
    juggled.posX = 1;
    juggled.posY = 1.5;
    juggled.posZ = 0.5;
    juggled.anim = "SOFRE-COMBO-AEREO";
    juggled.frame = 10;
    fighterHud(2);
    EXPECT_EQ(gs.cameraHold, 5);
    EXPECT_DOUBLE_EQ(gs.cameraTargetX, 0);
    EXPECT_DOUBLE_EQ(gs.cameraTargetY, 3.5);
    EXPECT_DOUBLE_EQ(gs.cameraTargetZ, 5.3);
    const std::vector<Quad> buttons = hud.of(iconBase + 48);
    ASSERT_EQ(buttons.size(), 4u);
    for (int n = 0; n < 4; ++n) {
        const double width =
            buttons[static_cast<std::size_t>(n)].right - buttons[static_cast<std::size_t>(n)].left;
        EXPECT_NEAR(width, n == 1 ? 0.63 : 0.525, 1e-9) << "the third letter is B: button 2";
    }
    const std::vector<Quad> marker = hud.of(iconBase + 49);
    ASSERT_EQ(marker.size(), 1u);
    EXPECT_NEAR((marker[0].left + marker[0].right) / 2, -1.89 + 0.555, 1e-9);

    hud.rec.calls.clear();
    attacker.posY = 0.5;
    gs.cameraHold = 0;
    fighterHud(2);
    EXPECT_EQ(gs.cameraHold, 0);
    EXPECT_TRUE(hud.of(iconBase + 48).empty());
}

TEST(BattleHud, ComboCounterShowsFromTheSecondHitAndPopsItsDigits) {
    struct Case {
        u8 hits;
        double timer;
        std::size_t digits;
        double scale; // of the digits against their resting size
    } cases[] = {{0, 20, 0, 0}, {1, 20, 0, 0}, {2, 20, 2, 1},
                 {9, 34, 2, 3}, {15, 2, 2, 3}, {99, 3, 2, 1}};
    double restingWidth = 0;
    for (const Case& c : cases) {
        HudRecording hud;
        gs.fighter(1).hitCount = c.hits;
        gs.fighter(1).comboTimer = c.timer;
        fighterHud(1);
        const int tens = c.hits / 10, units = c.hits % 10;
        std::vector<Quad> digits;
        for (const Quad& q : hud.quads())
            if (q.texture >= iconBase + 37 && q.texture <= iconBase + 46) digits.push_back(q);
        ASSERT_EQ(digits.size(), c.digits) << int(c.hits);
        EXPECT_EQ(hud.of(fontName).size(), c.digits ? 14u : 0u) << "\"ACERTOS\" and its shadow";
        if (digits.empty()) continue;
        EXPECT_EQ(digits[0].texture, iconBase + 37 + tens);
        EXPECT_EQ(digits[1].texture, iconBase + 37 + units);
        EXPECT_LT(digits[0].left, digits[1].left);
        const double width = digits[0].right - digits[0].left;
        if (restingWidth == 0) restingWidth = width;
        EXPECT_NEAR(width / restingWidth, c.scale, 1e-9) << int(c.hits);
    }
}
