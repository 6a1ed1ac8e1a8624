#include "ternary_plugin.h"
#include "core/com/plugin_builder.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = make_plugin_definition<CDades_Ternary, COpenGL_TD, TD>(
      PluginKind::ternary,
      [](auto& c) {
        c.property("graella", &CDades_Ternary::graella)
            .property("formes", &CDades_Ternary::formes)
            .property("nGrups", &CDades_Ternary::nGrups)
            .method("mostrar", &CDades_Ternary::mostrar);
      },
      [](auto& c) {
        c.property("graella", &COpenGL_TD::graella)
            .method("Passar_Punts", &COpenGL_TD::Passar_Punts);
      });
  return definition;
}

}  // namespace plot
