#include "logratio3d_plugin.h"
#include "logratio3d_records.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_ALR_3D, COpenGL_alr_3D, alr_3D>(
          PluginKind::Tormin,
          [](auto& c) {
            c.property("formes", &CDades_ALR_3D::formes)
                .property("nGrups", &CDades_ALR_3D::nGrups)
                .property("centreX", &CDades_ALR_3D::centreX)
                .property("centreY", &CDades_ALR_3D::centreY)
                .method("mostrar", &CDades_ALR_3D::mostrar);
          },
          [](auto& c) {
            c.property("centreX", &COpenGL_alr_3D::centreX)
                .property("centreY", &COpenGL_alr_3D::centreY)
                .method("Passar_Punts", &COpenGL_alr_3D::Passar_Punts)
                .method("Calcul_Dades", &COpenGL_alr_3D::Calcul_Dades);
          });
  return definition;
}

}  // namespace plot
