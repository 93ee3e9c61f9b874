#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "platform/gfx.h"

namespace {

std::uint64_t bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

} // namespace

// The part boxes come from productOrigin, the parts are drawn with the full product: the
// two must agree to the last bit, signs of zeros included.
TEST(Matrices, ProductOriginIsTheProductsTranslationColumnBitForBit) {
    const Matrix turned =
        withRotation(withTranslation(translationMatrix(0, 0, 0), 1.5, -2.25, 9), 33.3, 0, 1, 0);
    const Matrix joint =
        withRotation(withRotation(translationMatrix(-0.35, 0.59, 0), -90, 1, 0, 0), 12.5, 0, 0, 1);
    Matrix perspective = translationMatrix(0.1, 0.2, 0.3);
    perspective[11] = -1; // a last row other than (0, 0, 0, 1): the full product
    perspective[15] = 0;
    Matrix negativeZeros = translationMatrix(-0.0, 0.0, -0.0);
    negativeZeros[0] = -1;
    // Sums whose rounding shows their order: 1e16 + 1 + 1 is not 1 + 1 + 1e16.
    Matrix lopsided = translationMatrix(0, 0, 0);
    for (int row = 0; row < 3; ++row)
        lopsided[row] = 1e16, lopsided[4 + row] = 1, lopsided[8 + row] = 1;
    const struct {
        const char* what;
        Matrix a, b;
    } cases[] = {
        {"turned figure, joint", turned, joint},
        {"joint, turned figure", joint, turned},
        {"turned figure, non-affine", turned, perspective},
        {"mirror, zero translation", negativeZeros, negativeZeros},
        {"identity, joint", translationMatrix(0, 0, 0), joint},
        {"lopsided, translation", lopsided, translationMatrix(1, 1, 1)},
        {"lopsided, non-affine", lopsided, perspective},
    };
    for (const auto& c : cases) {
        const Matrix full = multiply(c.a, c.b);
        const std::array<double, 3> origin = productOrigin(c.a, c.b);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(bits(origin[k]), bits(full[12 + k])) << c.what << ", row " << k;
    }
}
