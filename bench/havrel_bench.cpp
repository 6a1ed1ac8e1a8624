// The 3D biplot with a full table of 6000 observations, off screen: reading its four exchange
// files, and one rotation press (the scene recompiled, one frame presented) in the colour and
// the shape mode, against the same press on an empty plot.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "biplot3d_renderer.h"
#include "exchange_folder.h"
#include "support/scene_bench.h"

namespace plot {
namespace {

namespace fs = std::filesystem;

constexpr int kPoints = PLOT_MAX_3D_OBSERVATIONS;
constexpr int kRays = PLOT_MAX_3D_RAYS;

enum class Data { Empty, Colours, Shapes };

// The four files as the host writes them: 20 rays, 20 proportions, 6000 points in ten groups
// with every fiftieth an outlier.
void write_files(const fs::path& folder, Data data) {
  const bool observations = data != Data::Empty;
  const int rays = observations ? kRays : 0;
  std::ofstream(folder / "opcionsBiplot.qvm", std::ios::binary)
      << "10," << rays << "," << (observations ? "#TRUE#" : "#FALSE#") << ","
      << (data == Data::Shapes ? 2 : 1) << ",#TRUE#,#TRUE#,#FALSE#," << rays
      << ",\"PC1\",\"PC2\",\"PC3\"\r\n";
  std::ofstream cpe(folder / "rangBiplot.qvm", std::ios::binary);
  cpe << " ";
  for (int j = 1; j <= rays; ++j) cpe << 0.05 * j << "\r\n";
  std::ofstream lines(folder / "liniesBiplot.qvm", std::ios::binary);
  lines << " ";
  char row[160];
  for (int k = 0; k < rays; ++k) {
    const double a = 2 * M_PI * k / kRays;
    std::snprintf(row, sizeof row, "%.15G,%.15G,%.15G,\"x%d\"\r\n", std::cos(a), std::sin(a),
                  0.3 * std::sin(3 * a), k + 1);
    lines << row;
  }
  if (!observations) return;
  std::ofstream points(folder / "puntsBiplot.qvm", std::ios::binary);
  for (int n = 0; n < kPoints; ++n) {
    const double t = n * 0.001;
    std::snprintf(row, sizeof row, "%.15G,%.15G,%.15G,%d,%d\r\n", std::sin(7 * t), std::cos(5 * t),
                  std::sin(3 * t), 1 + n % 10, n % 50 == 0 ? 1 : 0);
    points << row;
  }
}

// A profile folder of the benchmark's own, its messages on standard error.
struct Profile {
  bench::MessageRoute messages{bench::print_message};
  PrivateProfile profile;
  const fs::path& folder = profile.folder();
};

class LoadingHavrel : public COpenGL_Havrel {
 public:
  bool load() { return load_exchange_data(); }
};

void ReadFourFiles(benchmark::State& state) {
  Profile profile;
  const fs::path written = profile.folder / "written";
  fs::create_directory(written);
  write_files(written, Data::Colours);
  for (auto _ : state) {
    state.PauseTiming();
    for (const auto& file : fs::directory_iterator(written))
      fs::copy_file(file.path(), profile.folder / file.path().filename());
    auto renderer = std::make_unique<LoadingHavrel>();
    state.ResumeTiming();
    if (!renderer->load()) state.SkipWithError("a file was missing");
    benchmark::DoNotOptimize(renderer->tables().nPunts);
  }
}

// One rotation press as the form handles it: a turn, the scene compiled again, one frame.
void RotationPress(benchmark::State& state, Data data) {
  Profile profile;
  write_files(profile.folder, data);
  bench::OffscreenPlot plot(std::make_unique<COpenGL_Havrel>());
  bench::rotation_rounds(state, plot, 5);
}

BENCHMARK(ReadFourFiles)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RotationPress, empty, Data::Empty)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RotationPress, colours, Data::Colours)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RotationPress, shapes, Data::Shapes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plot
