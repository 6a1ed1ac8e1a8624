// The tetrahedron with 6000 points, off screen: the two exchange files read and the scene
// compiled, and one rotation press (recompile and one frame) in each mode, against the frame
// of the empty tetrahedron.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "copengl_td_3d.h"
#include "core/platform/device_context_table.h"
#include "core/platform/egl_offscreen_surface.h"
#include "core/platform/message_box.h"

namespace {

namespace fs = std::filesystem;

// Spread through the tetrahedron: barycentric weights from two irrational strides.
std::string data_file(int records) {
  std::string text;
  for (int i = 0; i < records; ++i) {
    const double a = std::fmod(i * 0.618034, 1.0);
    const double b = (1 - a) * std::fmod(i * 0.414214, 1.0);
    const double c = (1 - a - b) * std::fmod(i * 0.732051, 1.0);
    const double x = 0.8660254 * b + 0.28867513 * c;
    const double y = 1.1547005 * (1 - a - b - c) + 0.5 * (b + c);
    text += std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(c) + "," +
            std::to_string(i % 10 + 1) + "\r\n";
  }
  return text;
}

// Initialize reads the files from a folder of its own; the reading is timed on its own too.
struct Tetrahedron : plot::COpenGL_TD_3D {
  using plot::COpenGL_TD_3D::load_exchange_data;
};

class Scene {
 public:
  Scene(int mode, int records) : data_(data_file(records)), mode_(mode) {
    plot::set_message_sink(
        [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    setenv("USERPROFILE", folder_.c_str(), 1);
    write_files();
    int32_t hwnd = 0;
    ok = renderer.Initialize(hwnd, hdc_);
    renderer.OnSize(917, 734);
  }
  ~Scene() {
    renderer.Class_Terminate();
    plot::unregister_device_context(hdc_);
    fs::remove_all(folder_);
  }

  void write_files() {
    std::ofstream(folder_ / "opcionsTernary.qvm") << mode_ << ",10,\"A\",\"B\",\"C\"\r\n";
    // A lone line break: a file that is there but holds no record.
    std::ofstream(folder_ / "dadesTernary.qvm") << (data_.empty() ? "\r\n" : data_);
  }

  Tetrahedron renderer;
  bool ok = false;

 private:
  static fs::path make_folder() {
    std::string pattern = (fs::temp_directory_path() / "quadrel-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }

  std::string data_;
  int mode_;
  fs::path folder_ = make_folder();
  plot::EglOffscreenSurface surface_{917, 734};
  int32_t hdc_ = plot::register_device_context(&surface_);
};

void BM_ReadFilesAndCompile(benchmark::State& state) {
  Scene s(1, 6000);
  if (!s.ok) return state.SkipWithError("no off-screen context");
  for (auto _ : state) {
    state.PauseTiming();
    s.write_files();
    state.ResumeTiming();
    if (!s.renderer.load_exchange_data()) return state.SkipWithError("files not read");
    s.renderer.DrawWorld();
    glFinish();
  }
}
BENCHMARK(BM_ReadFilesAndCompile)->Unit(benchmark::kMillisecond);

// What a rotation button does: turn, recompile, draw one frame.
void BM_RotationPress(benchmark::State& state, int mode, int records) {
  Scene s(mode, records);
  if (!s.ok) return state.SkipWithError("no off-screen context");
  for (auto _ : state) {
    s.renderer.yAngle += 5;
    s.renderer.DrawWorld();
    s.renderer.display();
  }
}
BENCHMARK_CAPTURE(BM_RotationPress, dots_6000, 1, 6000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RotationPress, markers_6000, 2, 6000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RotationPress, empty, 1, 0)->Unit(benchmark::kMillisecond);

void BM_EmptyFrame(benchmark::State& state) {
  Scene s(1, 0);
  if (!s.ok) return state.SkipWithError("no off-screen context");
  for (auto _ : state) s.renderer.display();
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond);

}  // namespace
