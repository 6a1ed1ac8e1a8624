#pragma once

#include <functional>
#include <string>

#include "plot_plugin.h"
#include "plot_plugin_loader.h"
#include "plot_variants.h"

// A plug-in loaded the way any host loads it (plot_plugin_loader.h), with shorthands that raise
// std::runtime_error with the plug-in's error number and text.
struct PluginApi : plot_plugin_library {
  std::string name;

  // Loads `folder`/`name`.so; false with the reason in `error`.
  bool load(const std::string& folder, const std::string& plugin, std::string& error);
  void unload() { plot_unload_plugin(this); }

  plot_object* make(const char* creatable) const;
  void set(plot_object* object, const char* property, const plot_variant& value) const;
  void invoke(plot_object* object, const char* method, const plot_variant* arguments = nullptr,
              int32_t count = 0) const;
  // Presses a button of the viewer shown, by name ("Rot_YY", "inc_zoom"...).
  void click(const char* button) const;
};

// Makes the data-entry class `data_class`, lets `use` set it up and call mostrar, and releases
// it whether or not that fails.
void with_data_class(const PluginApi& api, const char* data_class,
                     const std::function<void(plot_object*)>& use);
