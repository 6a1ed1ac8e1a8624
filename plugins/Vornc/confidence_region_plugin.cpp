#include "confidence_region_plugin.h"
#include "core/com/plugin_builder.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_VORN_C, COpenGL_VORN_C, VORN_C>(
          COpenGL_VORN_C::kKind,
          [](auto& c) {
            c.property("formes", &CDades_VORN_C::formes)
                .property("nGrups", &CDades_VORN_C::nGrups)
                .method("mostrar", &CDades_VORN_C::mostrar);
          },
          [](auto& c) { c.method("Passar_Punts", &COpenGL_VORN_C::Passar_Punts); });
  return definition;
}

}  // namespace plot
