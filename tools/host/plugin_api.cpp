#include "plugin_api.h"

#include <stdexcept>

namespace {

void check(int32_t result, const plot_error& error) {
  if (result != 0)
    throw std::runtime_error("run-time error " + std::to_string(error.number) + ": " + error.text);
}

}  // namespace

bool PluginApi::load(const std::string& folder, const std::string& plugin, std::string& error) {
  const std::string path = folder + "/" + plugin + ".so";
  char reason[512];
  if (plot_load_plugin(path.c_str(), this, reason, sizeof reason) != 0) {
    error = reason;
    return false;
  }
  name = plugin;
  return true;
}

plot_object* PluginApi::make(const char* creatable) const {
  plot_object* object = nullptr;
  plot_error error{};
  check(create(creatable, &object, &error), error);
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
