// Pictures for print: the ternary diagram with 501 points and the tetrahedron with 6000, written
// as SVG and PDF in process through the C interface (the viewer open, each write timed alone),
// paired in the same run with matplotlib's savefig of the same figures: vector_bench_figures.py
// beside this file draws the very points the plug-ins plot, with the same frame, names and
// legend, and times its own saves. Every row carries the file's size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "plots/plot_builders.h"
#include "samples/lcg.h"
#include "stats/ternary_position.h"
#include "stats/tetrahedron_position.h"
#include "support/off_screen_plugin.h"

namespace {

namespace fs = std::filesystem;

struct Figure {
  const char* name;
  const char* plugin;
  PlotKind kind;
  int parts;
  int rows;
};

constexpr Figure kTernary{"ternary", "ternary", PlotKind::ternary, 3, 501};
constexpr Figure kTetrahedron{"tetrahedron", "Quadrel", PlotKind::tetrahedron, 4, 6000};
constexpr int kGroups = 10;

// The files of the run, removed when it ends.
const fs::path& work_folder() {
  static const struct Folder {
    Folder() { fs::create_directories(path); }
    ~Folder() { fs::remove_all(path); }
    fs::path path = fs::temp_directory_path() / ("vector_bench-" + std::to_string(getpid()));
  } folder;
  return folder.path;
}

// Compositions scattered round one centre per group, the same in every run.
CompositionTable table_of(const Figure& f) {
  CompositionTable table;
  Lcg random(20240601);
  for (int j = 0; j < f.parts; ++j) table.part_names.push_back(std::string(1, "ABCD"[j]));
  for (int g = 1; g <= kGroups; ++g) table.groups.push_back("g" + std::to_string(g));
  table.parts.resize(f.rows, f.parts);
  for (int i = 0; i < f.rows; ++i) {
    const int g = i % kGroups + 1;
    table.group.push_back(g);
    double sum = 0;
    for (int j = 0; j < f.parts; ++j) {
      const double centre = 1.0 + ((g * (j + 3)) % 7);
      table.parts(i, j) = std::exp(std::log(centre) + 0.3 * random.normal());
      sum += table.parts(i, j);
    }
    table.parts.row(i) /= sum;
  }
  return table;
}

// What matplotlib draws: the positions the plug-in plots, with their groups.
fs::path write_positions(const Figure& f, const CompositionTable& table) {
  const stats::Matrix at = f.kind == PlotKind::ternary ? stats::ternary_positions(table.parts)
                                                       : stats::tetrahedron_positions(table.parts);
  const fs::path path = work_folder() / (std::string(f.name) + ".csv");
  std::ofstream out(path);
  out.precision(17);
  for (Eigen::Index i = 0; i < at.rows(); ++i) {
    for (Eigen::Index j = 0; j < at.cols(); ++j) out << at(i, j) << ',';
    out << table.group[static_cast<std::size_t>(i)] << '\n';
  }
  return path;
}

void PlugIn(benchmark::State& state, Figure f, const char* extension) {
  PluginApi* api = off_screen_plugin(f.plugin);
  if (api == nullptr) return state.SkipWithError("plug-in not loaded");
  const CompositionTable table = table_of(f);
  show_plot(*api, table, {.plot = f.kind, .file = f.name});
  const fs::path path = work_folder() / (std::string(f.name) + "-plugin" + extension);
  plot_error error{};
  for (auto _ : state)
    if (api->viewer_write(path.c_str(), &error) != 0) return state.SkipWithError(error.text);
  api->viewer_close(&error);
  state.counters["bytes"] = static_cast<double>(fs::file_size(path));
}

// One run of the script: it saves the figure a few times and prints its mean time and size.
void Matplotlib(benchmark::State& state, Figure f, const char* extension) {
  const fs::path points = write_positions(f, table_of(f));
  const fs::path path = work_folder() / (std::string(f.name) + "-matplotlib" + extension);
  const char* python = std::getenv("PLOT_BENCH_PYTHON");
  const std::string command = std::string(python != nullptr ? python : "/usr/bin/python3") +
                              " '" PLOT_BENCH_DIR "/vector_bench_figures.py' " + f.name + " '" +
                              points.string() + "' '" + path.string() + "' 5";
  for (auto _ : state) {
    FILE* pipe = popen(command.c_str(), "r");
    double seconds = -1;
    double bytes = 0;
    const int read = std::fscanf(pipe, "%lf %lf", &seconds, &bytes);
    if (pclose(pipe) != 0 || read != 2)
      return state.SkipWithError("the script failed: does python3-matplotlib exist?");
    state.SetIterationTime(seconds);
    state.counters["bytes"] = bytes;
  }
}

#define PAIR(figure, extension)                                               \
  BENCHMARK_CAPTURE(PlugIn, figure##_##extension, figure, "." #extension)     \
      ->UseRealTime()                                                         \
      ->Unit(benchmark::kMillisecond);                                        \
  BENCHMARK_CAPTURE(Matplotlib, figure##_##extension, figure, "." #extension) \
      ->UseManualTime()                                                       \
      ->Iterations(1)                                                         \
      ->Unit(benchmark::kMillisecond)

PAIR(kTernary, svg);
PAIR(kTernary, pdf);
PAIR(kTetrahedron, svg);
PAIR(kTetrahedron, pdf);

}  // namespace
