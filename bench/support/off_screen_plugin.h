#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "plugin_api.h"

// The plug-in `plugin` of PLOT_PLUGIN_DIR, loaded once for the benchmark's process, drawing off
// screen and silent; null (the reason on standard error) when it does not load.
inline PluginApi* off_screen_plugin(const char* plugin) {
  static std::vector<std::unique_ptr<PluginApi>> apis;
  for (auto& api : apis)
    if (api->name == plugin) return api.get();
  auto api = std::make_unique<PluginApi>();
  std::string error;
  if (!api->load(PLOT_PLUGIN_DIR, plugin, error)) {
    std::fprintf(stderr, "%s: %s\n", plugin, error.c_str());
    return nullptr;
  }
  api->set_display_mode(2);
  api->set_message_sink([](const char*, void*) {}, nullptr);
  apis.push_back(std::move(api));
  return apis.back().get();
}
