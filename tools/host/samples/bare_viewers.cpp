#include "sample.h"

void show_bare_viewer(const PluginApi& api, const char* data_class) {
  plot_object* data = api.make(data_class);
  try {
    api.invoke(data, "mostrar");
  } catch (...) {
    api.release(data);
    throw;
  }
  api.release(data);
}
