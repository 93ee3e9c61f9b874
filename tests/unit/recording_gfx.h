// A GL backend that records the calls made through it, for checking what is drawn.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gfx.h"

struct GfxCall {
    std::string name;
    double a[6] = {};
};

class RecordingGfx final : public Gfx {
  public:
    std::vector<GfxCall> calls;

    std::size_t count(const std::string& name) const {
        return static_cast<std::size_t>(
            std::count_if(calls.begin(), calls.end(), [&](const GfxCall& c) { return c.name == name; }));
    }
    const GfxCall& first(const std::string& name) const { return nth(name, 0); }
    const GfxCall& nth(const std::string& name, std::size_t n) const {
        for (const GfxCall& c : calls)
            if (c.name == name && n-- == 0) return c;
        throw std::out_of_range("no call " + name);
    }
    std::vector<GfxCall> all(const std::string& name) const {
        std::vector<GfxCall> out;
        for (const GfxCall& c : calls)
            if (c.name == name) out.push_back(c);
        return out;
    }

    void clearColor(float r, float g, float b, float a) override { add("clearColor", r, g, b, a); }
    void clear(GL::Enum m) override { add("clear", m); }
    void viewport(int x, int y, int w, int h) override { add("viewport", x, y, w, h); }
    void enable(GL::Enum c) override { add("enable", c); }
    void disable(GL::Enum c) override { add("disable", c); }
    void alphaFunc(GL::Enum f, float r) override { add("alphaFunc", f, r); }
    void blendFunc(GL::Enum s, GL::Enum d) override { add("blendFunc", s, d); }
    void depthMask(bool on) override { add("depthMask", on); }
    void shadeModel(GL::Enum m) override { add("shadeModel", m); }
    void lineWidth(float w) override { add("lineWidth", w); }
    void color4f(float r, float g, float b, float a) override { add("color", r * 255, g * 255, b * 255, a * 255); }
    void color4ub(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override {
        add("color", r, g, b, a);
    }
    void begin(GL::Enum m) override { add("begin", m); }
    void end() override { add("end"); }
    void vertex3d(double x, double y, double z) override { add("vertex", x, y, z); }
    void texCoord2d(double u, double v) override { add("texCoord", u, v); }
    void normal3d(double x, double y, double z) override { add("normal", x, y, z); }
    void lightfv(GL::Enum l, GL::Enum p, const float* v) override { add("light", l, p, v[0]); }
    void materialfv(GL::Enum f, GL::Enum p, const float* v) override { add("material", f, p, v[0]); }
    void lightModelfv(GL::Enum p, const float* v) override { add("lightModel", p, v[0]); }
    unsigned int genTexture() override {
        add("genTexture");
        return ++textures;
    }
    void deleteTexture(unsigned int n) override { add("deleteTexture", n); }
    void bindTexture(unsigned int n) override { add("bindTexture", n); }
    void texParameteri(GL::Enum p, int v) override { add("texParameter", p, v); }
    void texEnvi(GL::Enum p, int v) override { add("texEnv", p, v); }
    void texImage(int c, int w, int h, GL::Enum f, const unsigned char*) override {
        add("texImage", c, w, h, f);
    }
    unsigned int genLists(int n) override {
        add("genLists", n);
        unsigned int first = lists + 1;
        lists += static_cast<unsigned int>(n);
        return first;
    }
    void deleteLists(unsigned int l, int n) override { add("deleteLists", l, n); }
    void newList(unsigned int l) override { add("newList", l); }
    void endList() override { add("endList"); }
    void callList(unsigned int l) override { add("callList", l); }
    void polygonMode(GL::Enum f, GL::Enum m) override { add("polygonMode", f, m); }
    void cullFace(GL::Enum f) override { add("cullFace", f); }
    Held held() const override { return {}; }

  protected:
    void loadBackendMatrix(GL::Enum, const Matrix&) override {}
    void noteMatrixCall(const char* name, double a, double b, double c, double d) override {
        add(name, a, b, c, d);
    }

  private:
    void add(const char* name, double a0 = 0, double a1 = 0, double a2 = 0, double a3 = 0,
             double a4 = 0, double a5 = 0) {
        calls.push_back({name, {a0, a1, a2, a3, a4, a5}});
    }
    unsigned int textures = 0, lists = 0;
};
