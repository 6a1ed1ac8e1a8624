// The reference host: loads plug-ins through dlopen and their C interface only, shows each
// sample, and either pumps the user-interface loop until every viewer is closed or, off
// screen, writes one PNG of each viewer's client area.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "plugin_api.h"
#include "samples/sample.h"

namespace {

void print_message(const char* text, void*) {
  std::printf("message: %s\n", text);
}

int usage() {
  std::fprintf(stderr,
               "usage: plot_host [--png DIR] [--plugins DIR] [--list] [PLUGIN[:SAMPLE]...]\n"
               "  Shows the samples in windows; with --png, or without a display, renders\n"
               "  them off screen and writes DIR/PLUGIN-SAMPLE.png.\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string png_folder;
  std::string plugin_folder = PLOT_DEFAULT_PLUGIN_DIR;
  if (const char* from_env = std::getenv("PLOT_PLUGIN_DIR")) plugin_folder = from_env;
  std::vector<std::string> wanted;
  bool list = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--png" && i + 1 < argc) {
      png_folder = argv[++i];
    } else if (arg == "--plugins" && i + 1 < argc) {
      plugin_folder = argv[++i];
    } else if (arg == "--list") {
      list = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return usage();
    } else {
      wanted.push_back(arg);
    }
  }
  const char* display = std::getenv("DISPLAY");
  const bool offscreen = !png_folder.empty() || display == nullptr || *display == '\0';
  if (offscreen && png_folder.empty()) png_folder = "host-pictures";

  int failures = 0;
  std::vector<PluginApi> loaded;
  for (const Sample& sample : all_samples()) {
    const std::string id = sample.plugin + ":" + sample.name;
    bool selected = wanted.empty();
    for (const auto& w : wanted) selected = selected || w == sample.plugin || w == id;
    if (!selected) continue;
    if (list) {
      std::printf("%s\n", id.c_str());
      continue;
    }
    PluginApi* api = nullptr;
    for (auto& l : loaded)
      if (l.name == sample.plugin) api = &l;
    if (api == nullptr) {
      PluginApi fresh;
      std::string error;
      if (!fresh.load(plugin_folder, sample.plugin, error)) {
        std::fprintf(stderr, "%s: %s\n", sample.plugin.c_str(), error.c_str());
        ++failures;
        continue;
      }
      fresh.set_display_mode(offscreen ? 2 : 0);
      fresh.set_message_sink(&print_message, nullptr);
      loaded.push_back(fresh);
      api = &loaded.back();
    }
    try {
      sample.show(*api);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s: %s\n", id.c_str(), e.what());
      ++failures;
      continue;
    }
    if (offscreen) {
      std::filesystem::create_directories(png_folder);
      const std::string path = png_folder + "/" + sample.plugin + "-" + sample.name + ".png";
      plot_error error{};
      if (api->viewer_write_png(path.c_str(), &error) != 0) {
        std::fprintf(stderr, "%s: %s\n", id.c_str(), error.text);
        ++failures;
      } else {
        std::printf("wrote %s\n", path.c_str());
      }
      api->viewer_close(&error);
    } else {
      std::printf("showing %s: close its window to go on\n", id.c_str());
      api->ui_wait(-1);
    }
  }
  return failures == 0 ? 0 : 1;
}
