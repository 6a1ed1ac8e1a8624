#include <cstring>

#include "sample.h"

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

std::vector<plot_string> counted_strings(std::span<const char* const> texts) {
  std::vector<plot_string> strings;
  for (const char* text : texts) strings.push_back({text, static_cast<int32_t>(std::strlen(text))});
  return strings;
}
