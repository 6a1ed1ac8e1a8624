#include "plugin_api.h"

#include <dlfcn.h>

#include <cstring>
#include <stdexcept>

namespace {

template <typename F>
bool bind(void* handle, const char* symbol, F& function, std::string& error) {
  function = reinterpret_cast<F>(dlsym(handle, symbol));
  if (function == nullptr) error = std::string("missing ") + symbol;
  return function != nullptr;
}

void check(int32_t result, const plot_error& error) {
  if (result != 0)
    throw std::runtime_error("run-time error " + std::to_string(error.number) + ": " + error.text);
}

}  // namespace

bool PluginApi::load(const std::string& folder, const std::string& plugin, std::string& error) {
  const std::string path = folder + "/" + plugin + ".so";
  handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    error = dlerror();
    return false;
  }
  name = plugin;
  return bind(handle, "plot_create", create, error) &&
         bind(handle, "plot_release", release, error) && bind(handle, "plot_get", get, error) &&
         bind(handle, "plot_put", put, error) && bind(handle, "plot_call", call, error) &&
         bind(handle, "plot_variant_clear", variant_clear, error) &&
         bind(handle, "plot_can_unload_now", can_unload_now, error) &&
         bind(handle, "plot_set_display_mode", set_display_mode, error) &&
         bind(handle, "plot_set_message_sink", set_message_sink, error) &&
         bind(handle, "plot_viewer_shown", viewer_shown, error) &&
         bind(handle, "plot_viewer_frames", viewer_frames, error) &&
         bind(handle, "plot_viewer_write_png", viewer_write_png, error) &&
         bind(handle, "plot_viewer_write", viewer_write, error) &&
         bind(handle, "plot_set_picture_scale", set_picture_scale, error) &&
         bind(handle, "plot_viewer_close", viewer_close, error) &&
         bind(handle, "plot_viewer_click", viewer_click, error) &&
         bind(handle, "plot_viewer_resize", viewer_resize, error) &&
         bind(handle, "plot_ui_wait", ui_wait, error);
}

void PluginApi::unload() {
  if (handle != nullptr) dlclose(handle);
  handle = nullptr;
}

plot_object* PluginApi::make(const char* class_name) const {
  plot_object* object = nullptr;
  plot_error error{};
  check(create(class_name, &object, &error), error);
  return object;
}

void PluginApi::set(plot_object* object, const char* property, const plot_variant& value) const {
  plot_error error{};
  check(put(object, property, &value, &error), error);
}

void PluginApi::invoke(plot_object* object, const char* method, const plot_variant* arguments,
                       int32_t count) const {
  plot_error error{};
  plot_variant result{};
  check(call(object, method, arguments, count, &result, &error), error);
  variant_clear(&result);
}

void PluginApi::click(const char* button) const {
  plot_error error{};
  check(viewer_click(button, &error), error);
}

void with_data_class(const PluginApi& api, const char* data_class,
                     const std::function<void(plot_object*)>& use) {
  plot_object* data = api.make(data_class);
  try {
    use(data);
  } catch (...) {
    api.release(data);
    throw;
  }
  api.release(data);
}

plot_variant boolean_value(bool value) {
  plot_variant v{};
  v.type = PLOT_BOOL;
  v.value.boolean = value ? PLOT_TRUE : PLOT_FALSE;
  return v;
}

plot_variant i2_value(int16_t value) {
  plot_variant v{};
  v.type = PLOT_I2;
  v.value.i2 = value;
  return v;
}

plot_variant r8_value(double value) {
  plot_variant v{};
  v.type = PLOT_R8;
  v.value.r8 = value;
  return v;
}

plot_variant string_value(const char* text) {
  plot_variant v{};
  v.type = PLOT_STRING;
  v.value.string.data = text;
  v.value.string.length = static_cast<int32_t>(std::strlen(text));
  return v;
}

plot_variant record_value(const char* name, void* data, int32_t size) {
  plot_variant v{};
  v.type = PLOT_RECORD;
  v.value.record.name = name;
  v.value.record.data = data;
  v.value.record.size = size;
  return v;
}

plot_variant strings_value(int32_t lower, int32_t upper, const plot_string* items) {
  plot_variant v{};
  v.type = PLOT_STRINGS;
  v.value.strings.lower = lower;
  v.value.strings.upper = upper;
  v.value.strings.items = items;
  return v;
}
