#pragma once

#include <GL/gl.h>

#include "core/errors/runtime_error.h"
#include "core/render/renderer.h"

namespace plot::testing {

// A renderer whose scene is one large red dot at a known model point, so a test sees where
// the camera put it; it counts its recompiles and can be told to fail in one.
template <PluginKind Kind>
class MarkRenderer : public Renderer {
 public:
  static constexpr Vec3 kMark{0.3, 0.2, 1.0};

  MarkRenderer() : Renderer(profile_of(Kind)) {}
  bool fail_in_draw = false;
  int draws = 0;

  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override {
    Renderer::DrawAxes(x, y, z);
    ++draws;
    if (fail_in_draw) raise(ErrorNumber::SubscriptOutOfRange);
    glPointSize(9);
    glColor3f(1, 0, 0);
    glBegin(GL_POINTS);
    glVertex3d(kMark.x, kMark.y, kMark.z);
    glEnd();
  }
};

}  // namespace plot::testing
