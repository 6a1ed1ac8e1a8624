#include "run_plot.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "input/csv_table.h"
#include "plots/plot_builders.h"
#include "plugin_api.h"

namespace {

void print_message(const char* text, void*) {
  std::fprintf(stderr, "message: %s\n", text);
}

void check(int32_t result, const plot_error& error) {
  if (result != 0)
    throw std::runtime_error("run-time error " + std::to_string(error.number) + ": " + error.text);
}

// Presses of the rotation buttons: `count` of `plus`, or of `minus` when negative.
void rotate(const PluginApi& api, int count, const char* plus, const char* minus) {
  for (int i = 0; i < std::abs(count); ++i) api.click(count > 0 ? plus : minus);
}

}  // namespace

int run_plot(const PlotRequest& request, const std::string& plugin_folder) {
  const char* display = std::getenv("DISPLAY");
  const bool offscreen = request.png.has_value() || request.out.has_value();
  if (!offscreen && (display == nullptr || *display == '\0')) {
    std::fprintf(stderr,
                 "plot_host: no display to show the plot on: give --png OUT.png or --out FILE\n");
    return 2;
  }
  try {
    const CompositionTable table = select_compositions(read_csv(request.file), request.input);
    // The plug-ins' legends say "Grup g": tell the user which label each number stands for.
    if (request.input.group)
      for (std::size_t g = 0; g < table.groups.size(); ++g)
        std::printf("Grup %zu = %s\n", g + 1, table.groups[g].c_str());
    // The plug-in stays loaded until the process ends: its viewer's resources go with it.
    PluginApi api;
    std::string error_text;
    const std::string name(plot_info(request.plot).plugin);
    if (!api.load(plugin_folder, name, error_text))
      throw std::runtime_error("cannot load the plug-in " + name + ": " + error_text);
    api.set_display_mode(offscreen ? 2 : 1);
    api.set_message_sink(&print_message, nullptr);
    plot_error error{};
    if (request.scale != 1) check(api.set_picture_scale(request.scale, &error), error);
    show_plot(api, table, request);

    if (request.size)
      check(api.viewer_resize((*request.size)[0], (*request.size)[1], &error), error);
    rotate(api, request.rotate[0], "Rot_XX", "Rot_X");
    rotate(api, request.rotate[1], "Rot_YY", "Rot_Y");
    rotate(api, request.rotate[2], "Rot_ZZ", "Rot_Z");
    if (request.png) {
      check(api.viewer_write_png(request.png->c_str(), &error), error);
      std::printf("wrote %s\n", request.png->c_str());
      api.viewer_close(&error);
    } else if (request.out) {
      check(api.viewer_write(request.out->c_str(), &error), error);
      std::printf("wrote %s\n", request.out->c_str());
      api.viewer_close(&error);
    } else {
      api.ui_wait(-1);
    }
    return 0;
  } catch (const InputError& e) {
    std::fprintf(stderr, "plot_host: %s\n", e.what());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "plot_host: %s: %s\n", request.file.c_str(), e.what());
    return 1;
  }
}
