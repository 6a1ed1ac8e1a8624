#include "sample.h"

void show_bare_viewer(const PluginApi& api, const char* data_class) {
  with_data_class(api, data_class, [&](plot_object* data) { api.invoke(data, "mostrar"); });
}
