// A renderer driven in orders a careless host may choose: initialised twice, or a frame that
// fails half-way.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <new>

#include "core/offscreen_renderer.h"
#include "core/render/renderer.h"

namespace plot {
namespace {

using testing::OffscreenRenderer;

// A large black dot at the origin, which lies at the centre of the picture.
class CentreDot final : public Renderer {
 public:
  CentreDot() : Renderer(profile_of(PluginKind::Pellin)) {}
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override {
    Renderer::DrawAxes(x, y, z);
    glPointSize(21);
    glColor3f(0, 0, 0);
    glBegin(GL_POINTS);
    glVertex3f(0, 0, 0);
    glEnd();
  }
};

bool centre_is_black(const Image& frame) {
  const uint8_t* p = frame.pixel(frame.width / 2, frame.height / 2);
  return p[0] == 0 && p[1] == 0 && p[2] == 0;
}

TEST(RendererLifecycle, SecondInitializeDrawsInItsNewContext) {
  CentreDot renderer;
  OffscreenRenderer host(renderer);
  ASSERT_TRUE(host.initialize());
  ASSERT_TRUE(host.initialize());
  renderer.OnSize(300, 300);
  renderer.display();
  ASSERT_EQ(host.frames.size(), 1u);
  EXPECT_TRUE(centre_is_black(host.frames.back()));
}

TEST(RendererLifecycle, FrameThatThrowsLeavesTheRendererFreeToDrawAgain) {
  CentreDot renderer;
  OffscreenRenderer host(renderer);
  ASSERT_TRUE(host.initialize());
  renderer.OnSize(300, 300);
  host.fail_presents = 1;
  EXPECT_THROW(renderer.display(), std::bad_alloc);
  renderer.display();
  ASSERT_EQ(host.frames.size(), 1u);
  EXPECT_TRUE(centre_is_black(host.frames.back()));
}

}  // namespace
}  // namespace plot
