#include "predictive_region_plugin.h"
#include "core/com/plugin_builder.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_vorn, COpenGL_VORN, VORN>(
          COpenGL_VORN::kKind, [](auto& c) { c.method("mostrar", &CDades_vorn::mostrar); },
          [](auto& c) { c.method("Passar_Punts", &COpenGL_VORN::Passar_Punts); });
  return definition;
}

}  // namespace plot
