#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "../plugin_api.h"

// One run of a plug-in on embedded data: sets the data-entry class up and calls mostrar.
struct Sample {
  std::string plugin;
  std::string name;
  void (*show)(const PluginApi& api);
};

std::vector<Sample> all_samples();

// Samples of the plots that have no data of their own yet: the bare viewer.
void show_bare_viewer(const PluginApi& api, const char* data_class);
