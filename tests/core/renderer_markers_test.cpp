#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/platform/device_context_table.h"
#include "core/platform/egl_offscreen_surface.h"
#include "core/profile/plugin_profile.h"
#include "core/render/marker_shapes.h"
#include "core/render/renderer.h"

namespace plot {
namespace {

// A renderer on an off-screen surface of its own, registered as a device context.
class OffscreenRenderer {
 public:
  explicit OffscreenRenderer(Renderer& renderer) : renderer_(renderer), surface_(300, 300) {
    hdc_ = register_device_context(&surface_);
    surface_.set_present_observer(
        [this](DrawingSurface& frame) { frames.push_back(frame.read_frame()); });
  }
  ~OffscreenRenderer() {
    renderer_.Class_Terminate();
    unregister_device_context(hdc_);
  }
  bool initialize() {
    int32_t hwnd = new_window_handle();
    return renderer_.Initialize(hwnd, hdc_) != 0;
  }

  std::vector<Image> frames;

 private:
  Renderer& renderer_;
  EglOffscreenSurface surface_;
  int32_t hdc_ = 0;
};

TEST(RendererMarkers, MarkerListsFollowTheGlyphsOfEachPlugin) {
  for (const PluginProfile& profile : all_profiles()) {
    if (profile.three_d) continue;  // they read exchange files before their markers
    Renderer renderer(profile);
    OffscreenRenderer host(renderer);
    ASSERT_TRUE(host.initialize()) << profile.deliverable;
    EXPECT_EQ(renderer.glyph_base(), 1u) << profile.deliverable;
    const MarkerLists& markers = renderer.markers();
    EXPECT_EQ(markers.made, profile.has_markers) << profile.deliverable;
    if (!markers.made) continue;
    const auto first = static_cast<GLuint>(profile.glyph_count + 1);
    EXPECT_EQ(markers.shapes[0], first) << profile.deliverable;
    EXPECT_EQ(markers.shapes[9], first + 9) << profile.deliverable;
    EXPECT_EQ(markers.outlier_mark, profile.outlier_mark ? first + 10 : 0u) << profile.deliverable;
    // Nothing else comes between the markers and the world list.
    EXPECT_EQ(renderer.world_list(), first + (profile.outlier_mark ? 11 : 10))
        << profile.deliverable;
  }
  EXPECT_EQ(profile_of(PluginKind::ternary).glyph_count + 1, 225);
  EXPECT_EQ(profile_of(PluginKind::Pellin).glyph_count + 1, 97);
}

// Marks the origin with the outlier mark and a dot beside it, as a biplot frame may.
class DotAndOutlier final : public Renderer {
 public:
  using Renderer::Renderer;
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override {
    Renderer::DrawAxes(x, y, z);
    call_outlier_mark(markers());
    glTranslatef(0.1f, 0, 0);
    call_marker(markers(), 3);
  }
};

TEST(RendererMarkers, RepaintsDrawTheFirstFrameAgain) {
  DotAndOutlier renderer(profile_of(PluginKind::biplot));
  OffscreenRenderer host(renderer);
  ASSERT_TRUE(host.initialize());
  renderer.DrawWorld();  // now with the markers made
  renderer.OnSize(300, 300);
  renderer.display();
  renderer.display();
  ASSERT_EQ(host.frames.size(), 2u);
  EXPECT_EQ(host.frames[0].rgb, host.frames[1].rgb) << "the dot's size leaked into the next frame";
  // The frame shows the marks: pixels other than the background.
  const uint8_t* background = host.frames[0].pixel(0, 0);
  int ink = 0;
  for (std::size_t i = 0; i < host.frames[0].rgb.size(); i += 3)
    if (host.frames[0].rgb[i] != background[0]) ++ink;
  EXPECT_GT(ink, 25) << "the dot";
}

}  // namespace
}  // namespace plot
