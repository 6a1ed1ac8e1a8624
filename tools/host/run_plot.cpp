#include "run_plot.h"

#include <cstdio>
#include <cstdlib>

#include "input/csv_table.h"
#include "plot_session.h"

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
    // The confidence plot numbers the groups it can draw itself.
    if (request.input.group && request.plot != PlotKind::confidence)
      for (std::size_t g = 0; g < table.groups.size(); ++g)
        std::printf("Grup %zu = %s\n", g + 1, table.groups[g].c_str());
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
