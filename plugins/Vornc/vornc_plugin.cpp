#include "vornc_classes.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_VORN_C, COpenGL_VORN_C, VORN_C>(
          PluginKind::Vornc,
          [](auto& c) {
            c.property("formes", &CDades_VORN_C::formes)
                .property("nGrups", &CDades_VORN_C::nGrups)
                .method("mostrar", &CDades_VORN_C::mostrar);
          },
          [](auto&) {});
  return definition;
}

}  // namespace plot
