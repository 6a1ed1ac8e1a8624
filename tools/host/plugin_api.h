#pragma once

#include <functional>
#include <string>

#include "plot_plugin.h"

// A plug-in loaded the way any host loads it: dlopen and dlsym on the C interface only.
struct PluginApi {
  void* handle = nullptr;
  std::string name;
  decltype(&plot_create) create = nullptr;
  decltype(&plot_release) release = nullptr;
  decltype(&plot_get) get = nullptr;
  decltype(&plot_put) put = nullptr;
  decltype(&plot_call) call = nullptr;
  decltype(&plot_variant_clear) variant_clear = nullptr;
  decltype(&plot_can_unload_now) can_unload_now = nullptr;
  decltype(&plot_set_display_mode) set_display_mode = nullptr;
  decltype(&plot_set_message_sink) set_message_sink = nullptr;
  decltype(&plot_viewer_shown) viewer_shown = nullptr;
  decltype(&plot_viewer_frames) viewer_frames = nullptr;
  decltype(&plot_viewer_write_png) viewer_write_png = nullptr;
  decltype(&plot_viewer_write) viewer_write = nullptr;
  decltype(&plot_set_picture_scale) set_picture_scale = nullptr;
  decltype(&plot_viewer_close) viewer_close = nullptr;
  decltype(&plot_viewer_click) viewer_click = nullptr;
  decltype(&plot_viewer_resize) viewer_resize = nullptr;
  decltype(&plot_ui_wait) ui_wait = nullptr;

  // Loads `folder`/`name`.so; false with the reason in `error`.
  bool load(const std::string& folder, const std::string& plugin, std::string& error);
  void unload();

  // Shorthands that raise std::runtime_error with the plug-in's error number and text.
  plot_object* make(const char* class_name) const;
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

plot_variant boolean_value(bool value);
plot_variant i2_value(int16_t value);
plot_variant r8_value(double value);
plot_variant string_value(const char* text);
plot_variant record_value(const char* name, void* data, int32_t size);
plot_variant strings_value(int32_t lower, int32_t upper, const plot_string* items);
