// The reference host: plots a user's CSV of compositions with one of the eight plug-ins, or
// runs the embedded samples. It knows the plug-ins only through dlopen and their C interface.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <variant>

#include "cli/command_line.h"
#include "run_plot.h"
#include "samples/run_samples.h"

namespace {

// $PLOT_PLUGIN_DIR; else the plug-ins installed beside this program
// (<prefix>/bin/plot_host and <prefix>/lib/compositional-plots/plugins); else the build's.
std::string plugin_folder() {
  if (const char* from_env = std::getenv("PLOT_PLUGIN_DIR")) return from_env;
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const auto installed = self.parent_path().parent_path() / PLOT_INSTALLED_PLUGIN_SUBDIR;
    if (std::filesystem::is_directory(installed, error)) return installed.string();
  }
  return PLOT_DEFAULT_PLUGIN_DIR;
}

}  // namespace

int main(int argc, char** argv) {
  const Command command = parse_command_line(argc, argv);
  if (const auto* code = std::get_if<int>(&command)) return *code;
  if (const auto* plot = std::get_if<PlotRequest>(&command))
    return run_plot(*plot, plugin_folder());
  return run_samples(std::get<SampleRequest>(command), plugin_folder());
}
