#pragma once

#include <GL/gl.h>

#include "core/errors/runtime_error.h"
#include "core/platform/image.h"
#include "core/render/renderer.h"
#include "support/projection.h"

namespace plot::testing {

// A renderer with only the common drawing; it counts its recompiles and can be told to fail
// in one.
template <PluginKind Kind>
class CountingRenderer : public Renderer {
 public:
  CountingRenderer() : Renderer(profile_of(Kind)) {}
  bool fail_in_draw = false;
  int draws = 0;

  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override {
    Renderer::DrawAxes(x, y, z);
    ++draws;
    if (fail_in_draw) raise(ErrorNumber::SubscriptOutOfRange);
  }
};

// A counting renderer whose scene is one large red dot at a known model point, so a test sees
// where the camera put it.
inline constexpr Vec3 kMark{0.3, 0.2, 1.0};

template <PluginKind Kind>
class MarkRenderer : public CountingRenderer<Kind> {
 public:
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override {
    CountingRenderer<Kind>::DrawAxes(x, y, z);
    glPointSize(9);
    glColor3f(1, 0, 0);
    glBegin(GL_POINTS);
    glVertex3d(kMark.x, kMark.y, kMark.z);
    glEnd();
  }
};

// Whether the mark's red is in `picture` where the renderer's camera projects it.
inline bool mark_seen(const Image& picture, const Renderer& r) {
  const WindowPoint w = project(r.profile(), r.m_fieldOfView, picture.width, picture.height, kMark,
                                {r.xAngle, r.yAngle, r.zAngle});
  const auto column = static_cast<int32_t>(w.x);
  const auto row = picture.height - 1 - static_cast<int32_t>(w.y);
  if (column < 0 || row < 0 || column >= picture.width || row >= picture.height) return false;
  const uint8_t* p = picture.pixel(column, row);
  return p[0] == 255 && p[1] == 0 && p[2] == 0;
}

}  // namespace plot::testing
