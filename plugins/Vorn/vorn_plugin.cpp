#include "vorn_classes.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_vorn, COpenGL_VORN, VORN>(
          PluginKind::Vorn, [](auto& c) { c.method("mostrar", &CDades_vorn::mostrar); },
          [](auto&) {});
  return definition;
}

}  // namespace plot
