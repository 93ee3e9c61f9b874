#include "platform/gfx.h"

#include <algorithm>

namespace {

class NullGfx final : public Gfx {
  public:
    void clearColor(float, float, float, float) override {}
    void clear(GL::Enum) override {}
    void viewport(int, int, int, int) override {}
    void enable(GL::Enum) override {}
    void disable(GL::Enum) override {}
    void alphaFunc(GL::Enum, float) override {}
    void blendFunc(GL::Enum, GL::Enum) override {}
    void depthMask(bool) override {}
    void shadeModel(GL::Enum) override {}
    void lineWidth(float) override {}
    void color4f(float, float, float, float) override {}
    void color4ub(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t) override {}
    void begin(GL::Enum) override {}
    void end() override {}
    void vertex3d(double, double, double) override {}
    void texCoord2d(double, double) override {}
    void normal3d(double, double, double) override {}
    void lightfv(GL::Enum, GL::Enum, const float*) override {}
    void materialfv(GL::Enum, GL::Enum, const float*) override {}
    void lightModelfv(GL::Enum, const float*) override {}
    unsigned int genTexture() override {
        ++held_.textures;
        return ++lastTexture;
    }
    void deleteTexture(unsigned int name) override {
        if (name != 0 && name <= lastTexture && held_.textures > 0) --held_.textures;
    }
    void bindTexture(unsigned int) override {}
    void texParameteri(GL::Enum, int) override {}
    void texEnvi(GL::Enum, int) override {}
    void texImage(int, int, int, GL::Enum, const unsigned char*) override {}
    unsigned int genLists(int count) override {
        unsigned int first = lastList + 1;
        lastList += static_cast<unsigned int>(count);
        held_.lists += count;
        return first;
    }
    void deleteLists(unsigned int list, int count) override {
        if (list != 0 && list <= lastList) held_.lists = std::max(held_.lists - count, 0);
    }
    void newList(unsigned int) override {}
    void endList() override {}
    void callList(unsigned int) override {}
    void polygonMode(GL::Enum, GL::Enum) override {}
    void cullFace(GL::Enum) override {}
    Held held() const override { return held_; }

  protected:
    void loadBackendMatrix(GL::Enum, const Matrix&) override {}


  private:
    unsigned int lastTexture = 0;
    unsigned int lastList = 0;
    Held held_;
};

NullGfx nullBackend;
Gfx* current = &nullBackend;

} // namespace

Gfx& nullGfx() {
    return nullBackend;
}
Gfx& gfx() {
    return *current;
}
void useGfx(Gfx& backend) {
    current = &backend;
}
