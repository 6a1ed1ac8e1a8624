#include "tetrahedron_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_Quadrel, COpenGL_TD_3D, TD_3D>(
          PluginKind::Quadrel,
          [](auto& c) {
            c.property("graella", &CDades_Quadrel::graella)
                .property("formes", &CDades_Quadrel::formes)
                .property("nGrups", &CDades_Quadrel::nGrups)
                .method("mostrar", &CDades_Quadrel::mostrar);
          },
          [](auto& c) {
            c.property("graella", &COpenGL_TD_3D::graella)
                .method("Passar_Punts", &COpenGL_TD_3D::Passar_Punts);
          });
  return definition;
}

}  // namespace plot
