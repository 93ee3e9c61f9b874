#include <GL/gl.h>
#include <GL/glu.h>

#include "platform/gfx.h"

namespace {

class RealGfx final : public Gfx {
  public:
    void clearColor(float r, float g, float b, float a) override { glClearColor(r, g, b, a); }
    void clear(GL::Enum mask) override { glClear(mask); }
    void viewport(int x, int y, int w, int h) override { glViewport(x, y, w, h); }
    void enable(GL::Enum cap) override { glEnable(cap); }
    void disable(GL::Enum cap) override { glDisable(cap); }
    void alphaFunc(GL::Enum func, float ref) override { glAlphaFunc(func, ref); }
    void blendFunc(GL::Enum src, GL::Enum dst) override { glBlendFunc(src, dst); }
    void depthMask(bool on) override { glDepthMask(on ? GL_TRUE : GL_FALSE); }
    void shadeModel(GL::Enum mode) override { glShadeModel(mode); }
    void lineWidth(float w) override { glLineWidth(w); }
    void color4f(float r, float g, float b, float a) override { glColor4f(r, g, b, a); }
    void color4ub(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override {
        glColor4ub(r, g, b, a);
    }
    void begin(GL::Enum mode) override { glBegin(mode); }
    void end() override { glEnd(); }
    void vertex3d(double x, double y, double z) override { glVertex3d(x, y, z); }
    void texCoord2d(double u, double v) override { glTexCoord2d(u, v); }
    void normal3d(double x, double y, double z) override { glNormal3d(x, y, z); }
    void lightfv(GL::Enum light, GL::Enum pname, const float* v) override {
        glLightfv(light, pname, v);
    }
    void materialfv(GL::Enum face, GL::Enum pname, const float* v) override {
        glMaterialfv(face, pname, v);
    }
    void lightModelfv(GL::Enum pname, const float* v) override { glLightModelfv(pname, v); }
    unsigned int genTexture() override {
        GLuint name = 0;
        glGenTextures(1, &name);
        if (name != 0) ++held_.textures;
        return name;
    }
    void deleteTexture(unsigned int name) override {
        if (name == 0 || glIsTexture(name) == GL_FALSE) return;
        glDeleteTextures(1, &name);
        --held_.textures;
    }
    void bindTexture(unsigned int name) override { glBindTexture(GL_TEXTURE_2D, name); }
    void texParameteri(GL::Enum pname, int value) override {
        glTexParameteri(GL_TEXTURE_2D, pname, value);
    }
    void texEnvi(GL::Enum pname, int value) override { glTexEnvi(GL_TEXTURE_ENV, pname, value); }
    void build2DMipmaps(int components, int w, int h, GL::Enum format,
                        const void* pixels) override {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, w, h, format, GL_UNSIGNED_BYTE, pixels);
    }
    unsigned int genLists(int count) override {
        const unsigned int first = glGenLists(count);
        if (first != 0) held_.lists += count;
        return first;
    }
    void deleteLists(unsigned int list, int count) override {
        for (unsigned int l = list; l < list + static_cast<unsigned int>(count); ++l) {
            if (l == 0 || glIsList(l) == GL_FALSE) continue;
            glDeleteLists(l, 1);
            --held_.lists;
        }
    }
    void newList(unsigned int list) override { glNewList(list, GL_COMPILE); }
    void endList() override { glEndList(); }
    void callList(unsigned int list) override { glCallList(list); }
    void polygonMode(GL::Enum face, GL::Enum mode) override { glPolygonMode(face, mode); }
    void cullFace(GL::Enum face) override { glCullFace(face); }
    Held held() const override { return held_; }

  protected:
    void loadBackendMatrix(GL::Enum mode, const Matrix& m) override {
        glMatrixMode(mode);
        glLoadMatrixd(m.data());
    }

  private:
    Held held_;
};

RealGfx realBackend;

} // namespace

Gfx& realGfx() {
    return realBackend;
}
