#include "run_samples.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "sample.h"

namespace {

void print_message(const char* text, void*) {
  std::printf("message: %s\n", text);
}

}  // namespace

int run_samples(const SampleRequest& request, const std::string& plugin_folder) {
  const char* display = std::getenv("DISPLAY");
  const bool offscreen = request.png_folder || display == nullptr || *display == '\0';
  const std::string png_folder = request.png_folder.value_or("host-pictures");

  int failures = 0;
  std::vector<PluginApi> loaded;
  for (const Sample& sample : all_samples()) {
    const std::string id = sample.plugin + ":" + sample.name;
    bool selected = request.names.empty();
    for (const auto& w : request.names) selected = selected || w == sample.plugin || w == id;
    if (!selected) continue;
    if (request.list) {
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
