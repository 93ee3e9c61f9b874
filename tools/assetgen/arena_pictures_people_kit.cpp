#include "arena_pictures_people_kit.h"

#include <cmath>

namespace scenery {

using namespace kit;

void faceFront(Canvas& c, float x, float y, float r, Colour skin, bool smile) {
    inked(c, ellipse(x - r * 0.95f, y + r * 0.1f, r * 0.2f, r * 0.3f), skin, 2, 0.8f);
    inked(c, ellipse(x + r * 0.95f, y + r * 0.1f, r * 0.2f, r * 0.3f), skin, 2, 0.8f);
    inked(c, ellipse(x, y, r * 0.92f, r), skin, r * 0.8f, 1.0f);
    for (float s : {-1.0f, 1.0f}) {
        c.fill(ellipse(x + s * r * 0.36f, y - r * 0.02f, r * 0.11f, r * 0.14f), hex(0x1E140E));
        c.fill(
            capsule(x + s * r * 0.22f, y - r * 0.26f, x + s * r * 0.52f, y - r * 0.3f, r * 0.06f),
            shade(skin, 0.45f));
    }
    c.fill(ellipse(x + r * 0.06f, y + r * 0.28f, r * 0.12f, r * 0.16f), shade(skin, 0.78f), 1);
    if (smile) {
        Shape mouth = intersect(ellipse(x, y + r * 0.5f, r * 0.32f, r * 0.26f),
                                rect({x - r, y + r * 0.5f, x + r, y + r}));
        c.fill(mouth, hex(0x5A1A14));
        c.fill(ellipse(x, y + r * 0.7f, r * 0.15f, r * 0.06f), hex(0xD86A6A));
    } else {
        c.fill(capsule(x - r * 0.2f, y + r * 0.58f, x + r * 0.2f, y + r * 0.58f, r * 0.05f),
               shade(skin, 0.5f));
    }
}

void faceProfile(Canvas& c, float x, float y, float r, Colour skin) {
    Shape head = unite({ellipse(x, y, r * 0.95f, r), circle(x + r * 0.85f, y + r * 0.15f, r * 0.2f),
                        ellipse(x + r * 0.4f, y + r * 0.6f, r * 0.5f, r * 0.35f)});
    inked(c, head, skin, r * 0.8f, 1.0f);
    c.fill(ellipse(x - r * 0.15f, y + r * 0.1f, r * 0.18f, r * 0.26f), shade(skin, 0.8f), 1);
    c.fill(ellipse(x + r * 0.5f, y - r * 0.05f, r * 0.09f, r * 0.12f), hex(0x1E140E));
    c.fill(capsule(x + r * 0.55f, y + r * 0.55f, x + r * 0.8f, y + r * 0.52f, r * 0.05f),
           shade(skin, 0.5f));
}

void strawHat(Canvas& c, float x, float y, float r, float brim, Colour band) {
    float brimY = y - r * 0.45f;
    Shape crown = roundBox(x, brimY - r * 0.5f, r * 0.85f, r * 0.6f, r * 0.45f);
    Shape rim = ellipse(x, brimY, r + brim, r * 0.3f);
    c.fill(ellipse(x, brimY + r * 0.4f, r * 0.95f, r * 0.28f), hex(0x3A2010, 0.35f), r * 0.2f);
    inked(c, rim, straw(), r * 0.3f, 1.0f);
    inked(c, crown, straw(), r * 0.5f, 1.0f);
    c.fill(intersect(crown, rect({x - r, brimY - r * 0.3f, x + r, brimY - r * 0.05f})), band);
}

Shape limb(Point a, Point b, float ra, float rb) {
    return unite({taper(a.x, a.y, b.x, b.y, ra, rb), circle(a.x, a.y, ra), circle(b.x, b.y, rb)});
}

Fill flowered(Colour ground, float spacing, unsigned seed) {
    static const unsigned kPetals[] = {0xF8F0E0, 0xF8C83A, 0xE8505A, 0xF0A0C0};
    return [=](float x, float y) {
        CellHit h = cells(x, y, spacing, spacing, {}, seed, 0.6f);
        Colour petal = hex(kPetals[h.id % 4]);
        float r = spacing * 0.28f;
        if (h.f1 < r * 0.35f) return hex(0xF8D850);
        float a = std::atan2(y - h.cy, x - h.cx);
        float petalR = r * (0.65f + 0.35f * std::cos(a * 5));
        if (h.f1 < petalR) return petal;
        if (h.f1 < r * 1.25f && std::fabs(std::sin(a * 2 + h.id)) < 0.2f) return hex(0x3A8A4A);
        return ground;
    };
}

Fill plaid(Colour ground, Colour stripe, float spacing) {
    return [=](float x, float y) {
        auto band = [spacing](float t, float w) {
            float f = t / spacing - std::floor(t / spacing);
            return f < w;
        };
        int n = band(x, 0.3f) + band(y, 0.3f);
        Colour col = n == 2 ? shade(stripe, 0.75f) : n == 1 ? lerp(ground, stripe, 0.6f) : ground;
        if (band(x + spacing * 0.6f, 0.06f) || band(y + spacing * 0.6f, 0.06f))
            col = lerp(col, hex(0xF8F0E0), 0.5f);
        return col;
    };
}

Fill straw() {
    return [](float x, float y) {
        float a = (x + y) * 0.9f, b = (x - y) * 0.9f;
        float weaveK = 0.5f + 0.25f * (std::sin(a) + std::sin(b));
        return shade(palette::kStraw, 0.82f + 0.22f * weaveK);
    };
}

} // namespace scenery
