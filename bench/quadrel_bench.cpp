// The tetrahedron with 6000 points, off screen: the two exchange files read and the scene
// compiled, and one rotation press (recompile and one frame) in each mode, against the frame
// of the empty tetrahedron.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>

#include "exchange_folder.h"
#include "support/scene_bench.h"
#include "tetrahedron_renderer.h"

namespace {

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

// The two files in a profile of the benchmark's own; written again before each timed read.
struct Files {
  Files(int options_mode, int records) : data(data_file(records)), mode(options_mode) { write(); }

  void write() const {
    write_exchange_file(profile, plot_quadrel_options, {mode, 10, "A", "B", "C"});
    // A lone line break: a file that is there but holds no record.
    std::ofstream(profile.file(plot_quadrel_data.name)) << (data.empty() ? "\r\n" : data);
  }

  PrivateProfile profile;
  std::string data;
  int mode;
};

struct Scene {
  Scene(int mode, int records) : files(mode, records) {}

  plot::bench::MessageRoute messages{plot::bench::print_message};
  Files files;
  plot::bench::OffscreenPlot<Tetrahedron> plot{std::make_unique<Tetrahedron>(),
                                               {.width = 917, .height = 734}};
  Tetrahedron& renderer = plot.renderer();
};

void BM_ReadFilesAndCompile(benchmark::State& state) {
  Scene s(1, 6000);
  if (!plot::bench::started(state, s.plot)) return;
  for (auto _ : state) {
    state.PauseTiming();
    s.files.write();
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
  plot::bench::rotation_rounds(state, s.plot, 5);
}
BENCHMARK_CAPTURE(BM_RotationPress, dots_6000, 1, 6000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RotationPress, markers_6000, 2, 6000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RotationPress, empty, 1, 0)->Unit(benchmark::kMillisecond);

void BM_EmptyFrame(benchmark::State& state) {
  Scene s(1, 0);
  plot::bench::replay_rounds(state, s.plot);
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond);

}  // namespace
