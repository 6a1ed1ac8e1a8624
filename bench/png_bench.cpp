// What a batch host pays per picture: mostrar to a PNG file and the viewer closed, warm, in
// process through the C interface (the plug-ins loaded with dlopen), against a floor measured
// beside it: an off-screen context made, cleared once, read back once and written as PNG with
// the same settings, at the same size. Each plot's row also carries a floor drawn after each of
// its plots and the ratio of the two.
#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "core/platform/egl_offscreen_surface.h"
#include "core/platform/image.h"
#include "core/profile/plugin_profile.h"
#include "plot_ternary_records.h"
#include "samples/pellin_sample.h"
#include "support/off_screen_plugin.h"
#include "support/ternary_points.h"

namespace {

const std::string& png_path() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("png_bench-" + std::to_string(getpid()) + ".png"))
          .string();
  return path;
}

// The 501 points, no grid.
void show_ternary_501(const PluginApi& api) {
  auto points = std::make_unique<Vector_Punts>();
  auto grid = std::make_unique<Vector_Graella>();
  auto components = std::make_unique<Vector_Punts_PC>();
  plot::bench::spread_501_points(*points);
  static const plot_string names[] = {{"A", 1}, {"B", 1}, {"C", 1}};
  with_data_class(api, "CDades_Ternary", [&](plot_object* data) {
    api.set(data, "graella", plot_variant_text(""));
    api.set(data, "nGrups", plot_variant_i2(10));
    const plot_variant arguments[] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_NAME, points.get(), sizeof(Vector_Punts)),
        plot_variant_record(PLOT_VECTOR_GRAELLA_NAME, grid.get(), sizeof(Vector_Graella)),
        plot_variant_record(PLOT_VECTOR_PUNTS_PC_NAME, components.get(), sizeof(Vector_Punts_PC)),
        plot_variant_strings(1, 3, names)};
    api.invoke(data, "mostrar", arguments, 4);
  });
}

struct Plot {
  const char* plugin;
  plot::PluginKind kind;
  void (*show)(const PluginApi& api);
};

double process_cpu_seconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// An off-screen context made, cleared once, read back once and written as PNG, at the client
// size of the plot's viewer; false with `error` set when it could not be done.
bool draw_floor(plot::PluginKind kind, std::string& error) {
  const plot::FormLayout& layout = plot::profile_of(kind).layout;
  const int32_t width = plot::twips_to_pixels(layout.client_width);
  const int32_t height = plot::twips_to_pixels(layout.client_height);
  plot::EglOffscreenSurface surface(width, height);
  surface.set_pixel_format(surface.choose_pixel_format(plot::PixelFormatDescriptor{}));
  auto context = surface.create_context();
  if (context == nullptr || !surface.make_current(*context)) {
    error = "no off-screen context";
    return false;
  }
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const plot::Image picture = plot::read_back_buffer(width, height);
  return plot::write_png(picture, png_path(), error);
}

void MostrarToPng(benchmark::State& state, Plot plot) {
  PluginApi* api = off_screen_plugin(plot.plugin);
  if (api == nullptr) return state.SkipWithError("plug-in not loaded");
  // A floor after each plot, untimed by the framework: paired, the ratio holds while the
  // machine's speed drifts.
  double plots = 0;
  double floors = 0;
  for (auto _ : state) {
    const double start = process_cpu_seconds();
    plot.show(*api);
    plot_error error{};
    if (api->viewer_write_png(png_path().c_str(), &error) != 0)
      return state.SkipWithError(error.text);
    api->viewer_close(&error);
    const double plotted = process_cpu_seconds();
    plots += plotted - start;
    state.PauseTiming();
    std::string floor_error;
    if (!draw_floor(plot.kind, floor_error)) return state.SkipWithError(floor_error.c_str());
    floors += process_cpu_seconds() - plotted;
    state.ResumeTiming();
  }
  state.counters["floor_ms"] = 1e3 * floors / static_cast<double>(state.iterations());
  state.counters["x_floor"] = plots / floors;
}

void Floor(benchmark::State& state, plot::PluginKind kind) {
  std::string error;
  for (auto _ : state)
    if (!draw_floor(kind, error)) return state.SkipWithError(error.c_str());
}

BENCHMARK_CAPTURE(Floor, ternary, plot::PluginKind::ternary)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MostrarToPng, ternary_501,
                  Plot{"ternary", plot::PluginKind::ternary, &show_ternary_501})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Floor, Pellin, plot::PluginKind::Pellin)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MostrarToPng, Pellin_dots,
                  Plot{"Pellin", plot::PluginKind::Pellin, &show_pellin_dots})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MostrarToPng, Pellin_markers,
                  Plot{"Pellin", plot::PluginKind::Pellin, &show_pellin_markers})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
