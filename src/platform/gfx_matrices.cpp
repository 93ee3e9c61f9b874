#include <cmath>

#include "platform/gfx.h"

Matrix Gfx::identityMatrix() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

namespace {

bool lastRowIsUnit(const Matrix& b) {
    return b[3] == 0 && b[7] == 0 && b[11] == 0 && b[15] == 1;
}

// a x b for b whose last row is (0, 0, 0, 1), as every modelview step is: the sums of the
// full product without the terms that are products with that row's zeros, so the values
// are the same (up to the sign of a zero) at three quarters of the work.
Matrix multiplyAffine(const Matrix& a, const Matrix& b) {
    Matrix r;
    for (int col = 0; col < 4; ++col) {
        const double b0 = b[col * 4], b1 = b[col * 4 + 1], b2 = b[col * 4 + 2];
        for (int row = 0; row < 4; ++row)
            r[col * 4 + row] = a[row] * b0 + a[4 + row] * b1 + a[8 + row] * b2;
    }
    for (int row = 0; row < 4; ++row) r[12 + row] += a[12 + row];
    return r;
}

} // namespace

Matrix multiply(const Matrix& a, const Matrix& b) {
    if (lastRowIsUnit(b)) return multiplyAffine(a, b);
    Matrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[col * 4 + k];
            r[col * 4 + row] = sum;
        }
    return r;
}

// Column 3 of multiplyAffine, the same sums in the same order.
std::array<double, 3> productOrigin(const Matrix& a, const Matrix& b) {
    if (!lastRowIsUnit(b)) {
        const Matrix r = multiply(a, b);
        return {r[12], r[13], r[14]};
    }
    std::array<double, 3> origin;
    const double b0 = b[12], b1 = b[13], b2 = b[14];
    for (int row = 0; row < 3; ++row) origin[row] = a[row] * b0 + a[4 + row] * b1 + a[8 + row] * b2;
    for (int row = 0; row < 3; ++row) origin[row] += a[12 + row];
    return origin;
}

Gfx::Stack& Gfx::stack(GL::Enum mode) {
    return mode == GL::PROJECTION ? projection_ : mode == GL::TEXTURE ? texture_ : modelview_;
}

const Matrix& Gfx::currentMatrix(GL::Enum mode) const {
    const Stack& s = mode == GL::PROJECTION ? projection_
                     : mode == GL::TEXTURE  ? texture_
                                            : modelview_;
    return s.entries.back();
}

void Gfx::changed() {
    loadBackendMatrix(mode_, stack(mode_).entries.back());
}

void Gfx::matrixMode(GL::Enum mode) {
    noteMatrixCall("matrixMode", mode);
    mode_ = mode;
}

void Gfx::loadIdentity() {
    noteMatrixCall("loadIdentity");
    stack(mode_).entries.back() = identityMatrix();
    changed();
}

void Gfx::loadMatrixd(const double* m) {
    noteMatrixCall("loadMatrix");
    std::copy(m, m + 16, stack(mode_).entries.back().begin());
    changed();
}

void Gfx::multMatrixd(const double* m) {
    noteMatrixCall("multMatrix");
    Matrix b;
    std::copy(m, m + 16, b.begin());
    Matrix& top = stack(mode_).entries.back();
    top = multiply(top, b);
    changed();
}

void Gfx::pushMatrix() {
    noteMatrixCall("pushMatrix");
    Stack& s = stack(mode_);
    s.entries.push_back(s.entries.back());
}

void Gfx::popMatrix() {
    noteMatrixCall("popMatrix");
    Stack& s = stack(mode_);
    if (s.entries.size() > 1) s.entries.pop_back();
    changed();
}

Matrix translationMatrix(double x, double y, double z) {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
}

Matrix rotationMatrix(double angle, double x, double y, double z) {
    const double squared = x * x + y * y + z * z;
    if (squared == 0) return translationMatrix(0, 0, 0);
    // A unit axis (the usual x, y or z) stays as it is: dividing by 1 changes nothing.
    if (squared != 1) {
        const double len = std::sqrt(squared);
        x /= len, y /= len, z /= len;
    }
    const double a = angle * M_PI / 180.0, c = std::cos(a), s = std::sin(a), k = 1 - c;
    return {x * x * k + c,
            y * x * k + z * s,
            x * z * k - y * s,
            0,
            x * y * k - z * s,
            y * y * k + c,
            y * z * k + x * s,
            0,
            x * z * k + y * s,
            y * z * k - x * s,
            z * z * k + c,
            0,
            0,
            0,
            0,
            1};
}

Matrix withTranslation(const Matrix& m, double x, double y, double z) {
    return multiply(m, translationMatrix(x, y, z));
}

Matrix withRotation(const Matrix& m, double angle, double x, double y, double z) {
    // A turn by 0 is the identity, exactly: skipping it changes no value.
    if (angle == 0) return m;
    return multiply(m, rotationMatrix(angle, x, y, z));
}

void Gfx::translated(double x, double y, double z) {
    noteMatrixCall("translate", x, y, z);
    Matrix& top = stack(mode_).entries.back();
    top = withTranslation(top, x, y, z);
    changed();
}

void Gfx::rotated(double angle, double x, double y, double z) {
    noteMatrixCall("rotate", angle, x, y, z);
    Matrix& top = stack(mode_).entries.back();
    if (angle != 0) top = withRotation(top, angle, x, y, z);
    changed();
}

void Gfx::scaled(double x, double y, double z) {
    noteMatrixCall("scale", x, y, z);
    Matrix sm = identityMatrix();
    sm[0] = x;
    sm[5] = y;
    sm[10] = z;
    Matrix& top = stack(mode_).entries.back();
    top = multiply(top, sm);
    changed();
}

void Gfx::frustum(double l, double r, double b, double t, double n, double f) {
    noteMatrixCall("frustum", l, r, b, t);
    const Matrix fm = {2 * n / (r - l),
                       0,
                       0,
                       0,
                       0,
                       2 * n / (t - b),
                       0,
                       0,
                       (r + l) / (r - l),
                       (t + b) / (t - b),
                       -(f + n) / (f - n),
                       -1,
                       0,
                       0,
                       -2 * f * n / (f - n),
                       0};
    Matrix& top = stack(mode_).entries.back();
    top = multiply(top, fm);
    changed();
}
