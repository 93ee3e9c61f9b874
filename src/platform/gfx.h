// The door to OpenGL 1.x and GLU. Every GL and GLU call of the game goes through gfx(),
// which is either the real backend or its null twin (headless runs, and the time before
// the game's context exists). The constants carry GL's own values, so the real backend
// passes them straight through; no game code includes GL headers.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace GL {
using Enum = unsigned int;
constexpr Enum POINTS = 0x0000, LINES = 0x0001, LINE_LOOP = 0x0002, LINE_STRIP = 0x0003,
               TRIANGLES = 0x0004, TRIANGLE_STRIP = 0x0005, TRIANGLE_FAN = 0x0006, QUADS = 0x0007,
               QUAD_STRIP = 0x0008, POLYGON = 0x0009;
constexpr Enum DEPTH_BUFFER_BIT = 0x0100, COLOR_BUFFER_BIT = 0x4000;
constexpr Enum MODELVIEW = 0x1700, PROJECTION = 0x1701, TEXTURE = 0x1702;
constexpr Enum TEXTURE_2D = 0x0DE1, DEPTH_TEST = 0x0B71, LIGHTING = 0x0B50, ALPHA_TEST = 0x0BC0,
               BLEND = 0x0BE2, CULL_FACE = 0x0B44, FOG = 0x0B60, LIGHT0 = 0x4000, LIGHT1 = 0x4001,
               COLOR_MATERIAL = 0x0B57, NORMALIZE = 0x0BA1, LINE_SMOOTH = 0x0B20,
               POLYGON_OFFSET_FILL = 0x8037;
constexpr Enum NEVER = 0x0200, LESS = 0x0201, EQUAL = 0x0202, LEQUAL = 0x0203, GREATER = 0x0204,
               NOTEQUAL = 0x0205, GEQUAL = 0x0206, ALWAYS = 0x0207;
constexpr Enum ZERO = 0, ONE = 1, SRC_ALPHA = 0x0302, ONE_MINUS_SRC_ALPHA = 0x0303,
               DST_COLOR = 0x0306;
constexpr Enum AMBIENT = 0x1200, DIFFUSE = 0x1201, SPECULAR = 0x1202, POSITION = 0x1203,
               EMISSION = 0x1600, SHININESS = 0x1601, AMBIENT_AND_DIFFUSE = 0x1602,
               LIGHT_MODEL_AMBIENT = 0x0B53;
constexpr Enum FRONT = 0x0404, BACK = 0x0405, FRONT_AND_BACK = 0x0408;
constexpr Enum COMPILE = 0x1300;
constexpr Enum TEXTURE_MAG_FILTER = 0x2800, TEXTURE_MIN_FILTER = 0x2801, TEXTURE_WRAP_S = 0x2802,
               TEXTURE_WRAP_T = 0x2803, LINEAR = 0x2601, NEAREST = 0x2600, REPEAT = 0x2901,
               CLAMP = 0x2900;
constexpr Enum TEXTURE_ENV = 0x2300, TEXTURE_ENV_MODE = 0x2200, MODULATE = 0x2100;
constexpr Enum RGB = 0x1907, RGBA = 0x1908, UNSIGNED_BYTE = 0x1401;
constexpr Enum SMOOTH = 0x1D01, FLAT = 0x1D00;
constexpr Enum LINE = 0x1B01, FILL = 0x1B02;
} // namespace GL

// A 4 x 4 matrix in GL's column-major order.
using Matrix = std::array<double, 16>;

class Gfx {
  public:
    virtual ~Gfx() = default;

    virtual void clearColor(float r, float g, float b, float a) = 0;
    virtual void clear(GL::Enum mask) = 0;
    virtual void viewport(int x, int y, int w, int h) = 0;

    // The matrix stacks are kept here in doubles, the same for every backend, so what
    // the game reads back (a fighter's part positions) never depends on the GPU. The
    // backend is told the resulting matrix after each change.
    void matrixMode(GL::Enum mode);
    void loadIdentity();
    void loadMatrixd(const double* m);
    void multMatrixd(const double* m);
    void pushMatrix();
    void popMatrix();
    void translated(double x, double y, double z);
    void rotated(double angle, double x, double y, double z);
    void scaled(double x, double y, double z);
    void frustum(double l, double r, double b, double t, double n, double f);
    const Matrix& currentMatrix(GL::Enum mode) const;

    virtual void enable(GL::Enum cap) = 0;
    virtual void disable(GL::Enum cap) = 0;
    virtual void alphaFunc(GL::Enum func, float ref) = 0;
    virtual void blendFunc(GL::Enum src, GL::Enum dst) = 0;
    virtual void depthMask(bool on) = 0;
    virtual void shadeModel(GL::Enum mode) = 0;
    virtual void lineWidth(float w) = 0;

    virtual void color4f(float r, float g, float b, float a) = 0;
    virtual void color4ub(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) = 0;
    virtual void begin(GL::Enum mode) = 0;
    virtual void end() = 0;
    virtual void vertex3d(double x, double y, double z) = 0;
    virtual void texCoord2d(double u, double v) = 0;
    virtual void normal3d(double x, double y, double z) = 0;

    virtual void lightfv(GL::Enum light, GL::Enum pname, const float* v) = 0;
    virtual void materialfv(GL::Enum face, GL::Enum pname, const float* v) = 0;
    virtual void lightModelfv(GL::Enum pname, const float* v) = 0;

    // The null backend hands out texture names and list numbers by counting.
    virtual unsigned int genTexture() = 0;
    virtual void deleteTexture(unsigned int name) = 0;
    virtual void bindTexture(unsigned int name) = 0;
    virtual void texParameteri(GL::Enum pname, int value) = 0;
    virtual void texEnvi(GL::Enum pname, int value) = 0;
    // The bound texture's picture, as the level 0 gluBuild2DMipmaps would make of it
    // (scaled to the nearest powers of two), and no smaller levels: the pictures are
    // sampled with LINEAR minification, which reads level 0 only. `pixels` holds w x h
    // rows of `components` bytes each, unpadded.
    virtual void texImage(int components, int w, int h, GL::Enum format,
                          const unsigned char* pixels) = 0;
    virtual unsigned int genLists(int count) = 0;
    virtual void deleteLists(unsigned int list, int count) = 0;
    virtual void newList(unsigned int list) = 0;
    virtual void endList() = 0;
    virtual void callList(unsigned int list) = 0;
    virtual void polygonMode(GL::Enum face, GL::Enum mode) = 0;
    virtual void cullFace(GL::Enum face) = 0;

    // The texture names and display lists made and not deleted since the program began:
    // what a long run must keep level.
    struct Held {
        int textures = 0;
        int lists = 0;
    };
    virtual Held held() const = 0;

    // With timing on, the backend sums the time spent inside its calls; take returns the
    // sum since the last take and starts it again. The null backend takes no time.
    virtual void timeCalls(bool on) { (void)on; }
    virtual std::int64_t takeCallNanos() { return 0; }

    // Hands what has been drawn so far to the renderer (glFlush).
    virtual void flush() {}

  protected:
    // The backend makes m the current matrix of the stack `mode`.
    virtual void loadBackendMatrix(GL::Enum mode, const Matrix& m) = 0;
    // Every matrix operation by name and arguments, for backends that record calls.
    virtual void noteMatrixCall(const char* name, double a = 0, double b = 0, double c = 0,
                                double d = 0) {
        (void)name, (void)a, (void)b, (void)c, (void)d;
    }

  private:
    struct Stack {
        std::vector<Matrix> entries{identityMatrix()};
    };
    static Matrix identityMatrix();
    Stack& stack(GL::Enum mode);
    void changed();
    Stack modelview_, projection_, texture_;
    GL::Enum mode_ = GL::MODELVIEW;
};

// a x b, column-major.
Matrix multiply(const Matrix& a, const Matrix& b);
// The translation column of a x b, value for value as multiply(a, b) has it: where the
// origin of frame b lands in frame a, without the rest of the product.
std::array<double, 3> productOrigin(const Matrix& a, const Matrix& b);
// The matrices of glTranslated and glRotated (angle in degrees about the axis).
Matrix translationMatrix(double x, double y, double z);
Matrix rotationMatrix(double angle, double x, double y, double z);
// What Gfx::translated and Gfx::rotated make of a stack's top m, value for value, for
// code that follows a frame off the stack.
Matrix withTranslation(const Matrix& m, double x, double y, double z);
Matrix withRotation(const Matrix& m, double angle, double x, double y, double z);

// The backend in use now: game code writes gfx().begin(GL::QUADS) and so on.
Gfx& gfx();

// The null backend does nothing but count names. The real one needs a current context.
Gfx& nullGfx();
Gfx& realGfx();
void useGfx(Gfx& backend);
