// Turning a 3D scene of 6000 dots with the mouse, off screen: one frame after 1, 20 or 200
// motion events (the scene is recompiled once however many came), against a frame replayed
// without recompiling.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>

#include "core/form/viewer_form.h"
#include "core/platform/message_box.h"

namespace plot {
namespace {

class DotsRenderer : public Renderer {
 public:
  DotsRenderer() : Renderer(profile_of(PluginKind::Havrel)) {}
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override {
    Renderer::DrawAxes(x, y, z);
    glPointSize(3);
    glBegin(GL_POINTS);
    for (int i = 0; i < 6000; ++i) {
      const double t = i * 0.01;
      glColor3f(static_cast<float>(i % 7) / 7.0f, 0.3f, 0.6f);
      glVertex3d(std::cos(t) * 0.8, std::sin(t * 1.3) * 0.8, std::sin(t) * 0.8);
    }
    glEnd();
  }
};

struct Scene {
  Scene() {
    set_display_mode(DisplayMode::Offscreen);
    set_message_sink([](const std::string&) {});
    form.parametres<DotsRenderer>([](auto&) {});
  }
  ~Scene() { set_message_sink(nullptr); }
  ViewerForm form{profile_of(PluginKind::Havrel)};
};

void DragFrame(benchmark::State& state) {
  Scene scene;
  FormWindow& window = scene.form.window();
  for (auto _ : state) {
    for (int64_t i = 0; i < state.range(0); ++i) window.user_drag(1, 1);
    window.flush();
  }
  state.counters["frames"] = static_cast<double>(scene.form.frames());
}

void ReplayFrame(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) scene.form.Form_Paint();
}

BENCHMARK(DragFrame)->Arg(1)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplayFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plot
