#include <GL/gl.h>
#include <GL/glu.h>

#include <chrono>
#include <utility>
#include <vector>

#include "platform/gfx.h"

namespace {

// The power of two gluBuild2DMipmaps scales a side to: the one below it, or the one
// above when the side's two highest bits are both set.
int gluPowerOfTwo(int side) {
    int power = 1;
    for (unsigned int v = static_cast<unsigned int>(side); v > 1; v >>= 1) {
        if (v == 3) return power * 4;
        power *= 2;
    }
    return power;
}

// The time spent inside GL and GLU calls, summed while --stats asks for it. The calls
// that only hand GL one vertex's values are left out: each takes less time than reading
// the clock twice would add.
struct CallClock {
    bool on = false;
    std::int64_t nanos = 0;
};

class Span {
  public:
    explicit Span(CallClock& clock) : clock_(clock.on ? &clock : nullptr) {
        if (clock_) start_ = std::chrono::steady_clock::now();
    }
    ~Span() {
        if (clock_)
            clock_->nanos += std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::steady_clock::now() - start_)
                                 .count();
    }
    Span(const Span&) = delete;
    Span& operator=(const Span&) = delete;

  private:
    CallClock* clock_;
    std::chrono::steady_clock::time_point start_;
};

class RealGfx final : public Gfx {
  public:
    void clearColor(float r, float g, float b, float a) override {
        const Span span(clock_);
        glClearColor(r, g, b, a);
    }
    void clear(GL::Enum mask) override {
        const Span span(clock_);
        glClear(mask);
    }
    void viewport(int x, int y, int w, int h) override {
        const Span span(clock_);
        glViewport(x, y, w, h);
    }
    void enable(GL::Enum cap) override {
        const Span span(clock_);
        glEnable(cap);
    }
    void disable(GL::Enum cap) override {
        const Span span(clock_);
        glDisable(cap);
    }
    void alphaFunc(GL::Enum func, float ref) override {
        const Span span(clock_);
        glAlphaFunc(func, ref);
    }
    void blendFunc(GL::Enum src, GL::Enum dst) override {
        const Span span(clock_);
        glBlendFunc(src, dst);
    }
    void depthMask(bool on) override {
        const Span span(clock_);
        glDepthMask(on ? GL_TRUE : GL_FALSE);
    }
    void shadeModel(GL::Enum mode) override {
        const Span span(clock_);
        glShadeModel(mode);
    }
    void lineWidth(float w) override {
        const Span span(clock_);
        glLineWidth(w);
    }
    void color4f(float r, float g, float b, float a) override { glColor4f(r, g, b, a); }
    void color4ub(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override {
        glColor4ub(r, g, b, a);
    }
    void begin(GL::Enum mode) override { glBegin(mode); }
    void end() override {
        const Span span(clock_);
        glEnd();
    }
    void vertex3d(double x, double y, double z) override { glVertex3d(x, y, z); }
    void texCoord2d(double u, double v) override { glTexCoord2d(u, v); }
    void normal3d(double x, double y, double z) override { glNormal3d(x, y, z); }
    void lightfv(GL::Enum light, GL::Enum pname, const float* v) override {
        const Span span(clock_);
        glLightfv(light, pname, v);
    }
    void materialfv(GL::Enum face, GL::Enum pname, const float* v) override {
        const Span span(clock_);
        glMaterialfv(face, pname, v);
    }
    void lightModelfv(GL::Enum pname, const float* v) override {
        const Span span(clock_);
        glLightModelfv(pname, v);
    }
    unsigned int genTexture() override {
        const Span span(clock_);
        GLuint name = 0;
        glGenTextures(1, &name);
        if (name != 0) ++held_.textures;
        return name;
    }
    void deleteTexture(unsigned int name) override {
        const Span span(clock_);
        if (name == 0 || glIsTexture(name) == GL_FALSE) return;
        glDeleteTextures(1, &name);
        --held_.textures;
    }
    void bindTexture(unsigned int name) override {
        const Span span(clock_);
        glBindTexture(GL_TEXTURE_2D, name);
    }
    void texParameteri(GL::Enum pname, int value) override {
        const Span span(clock_);
        glTexParameteri(GL_TEXTURE_2D, pname, value);
    }
    void texEnvi(GL::Enum pname, int value) override {
        const Span span(clock_);
        glTexEnvi(GL_TEXTURE_ENV, pname, value);
    }
    void texImage(int components, int w, int h, GL::Enum format,
                  const unsigned char* pixels) override {
        const Span span(clock_);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        const int fitW = gluPowerOfTwo(w), fitH = gluPowerOfTwo(h);
        if (fitW == w && fitH == h) {
            glTexImage2D(GL_TEXTURE_2D, 0, components, w, h, 0, format, GL_UNSIGNED_BYTE, pixels);
            return;
        }
        // GLU's own scaling, read back from a texture it builds and thrown away: the same
        // texels as before, without the smaller levels.
        const std::size_t row = static_cast<std::size_t>(w) * static_cast<std::size_t>(components);
        // GLU's rescaling reads a little past the end of the picture for some sizes; a
        // spare row of zeros keeps that read inside the buffer.
        std::vector<unsigned char> padded(pixels, pixels + row * static_cast<std::size_t>(h));
        padded.resize(padded.size() + row + 16, 0);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        GLuint scratch = 0;
        glGenTextures(1, &scratch);
        glBindTexture(GL_TEXTURE_2D, scratch);
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, w, h, format, GL_UNSIGNED_BYTE, padded.data());
        GLint sw = 0, sh = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &sw);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &sh);
        std::vector<unsigned char> scaled(static_cast<std::size_t>(sw) *
                                          static_cast<std::size_t>(sh) *
                                          static_cast<std::size_t>(components));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, scaled.data());
        glDeleteTextures(1, &scratch);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
        glTexImage2D(GL_TEXTURE_2D, 0, components, sw, sh, 0, format, GL_UNSIGNED_BYTE,
                     scaled.data());
    }
    unsigned int genLists(int count) override {
        const Span span(clock_);
        const unsigned int first = glGenLists(count);
        if (first != 0) held_.lists += count;
        return first;
    }
    void deleteLists(unsigned int list, int count) override {
        const Span span(clock_);
        for (unsigned int l = list; l < list + static_cast<unsigned int>(count); ++l) {
            if (l == 0 || glIsList(l) == GL_FALSE) continue;
            glDeleteLists(l, 1);
            --held_.lists;
        }
    }
    void newList(unsigned int list) override {
        const Span span(clock_);
        glNewList(list, GL_COMPILE);
    }
    void endList() override {
        const Span span(clock_);
        glEndList();
    }
    void callList(unsigned int list) override {
        const Span span(clock_);
        glCallList(list);
    }
    void polygonMode(GL::Enum face, GL::Enum mode) override {
        const Span span(clock_);
        glPolygonMode(face, mode);
    }
    void cullFace(GL::Enum face) override {
        const Span span(clock_);
        glCullFace(face);
    }
    Held held() const override { return held_; }
    void timeCalls(bool on) override { clock_.on = on; }
    void flush() override {
        const Span span(clock_);
        glFlush();
    }
    std::int64_t takeCallNanos() override { return std::exchange(clock_.nanos, 0); }

  protected:
    void loadBackendMatrix(GL::Enum mode, const Matrix& m) override {
        const Span span(clock_);
        glMatrixMode(mode);
        glLoadMatrixd(m.data());
    }

  private:
    Held held_;
    CallClock clock_;
};

RealGfx realBackend;

} // namespace

Gfx& realGfx() {
    return realBackend;
}
