#include "run_plot.h"

#include <cstdio>
#include <cstdlib>

#include "input/csv_table.h"
#include "plot_session.h"
#include "plots/plot_inputs.h"

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
    // A legend holds short names: tell the user which label a cut one stands for.
    if (request.input.group)
      for (const auto& label : table.groups)
        if (legend_name(label) != label)
          std::printf("the legend's \"%s\" is \"%s\"\n", legend_name(label).c_str(), label.c_str());
    const PluginApi api = open_plot(table, request, plugin_folder);
    if (const auto file = picture_file(request)) {
      write_picture_file(api, request);
      std::printf("wrote %s\n", file->c_str());
    } else {
      api.ui_wait(-1);
    }
    return 0;
  } catch (const OutputError& e) {
    std::fprintf(stderr, "plot_host: %s\n", e.what());
    return 1;
  } catch (const InputError& e) {
    std::fprintf(stderr, "plot_host: %s\n", e.what());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "plot_host: %s: %s\n", request.file.c_str(), e.what());
    return 1;
  }
}
