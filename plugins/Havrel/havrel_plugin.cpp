#include "havrel_classes.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_Havrel, COpenGL_Havrel, bi_3D>(
          PluginKind::Havrel,
          [](auto& c) {
            c.property("printeixos", &CDades_Havrel::printeixos)
                .property("observation", &CDades_Havrel::observation)
                .property("outlier_mark", &CDades_Havrel::outlier_mark)
                .property("labels", &CDades_Havrel::labels)
                .property("formes", &CDades_Havrel::formes)
                .property("nGrups", &CDades_Havrel::nGrups)
                .method("mostrar", &CDades_Havrel::mostrar);
          },
          [](auto& c) {
            c.property("centreX", &COpenGL_Havrel::centreX)
                .property("centreY", &COpenGL_Havrel::centreY)
                .property("printeixos", &COpenGL_Havrel::printeixos)
                .property("observation", &COpenGL_Havrel::observation)
                .property("outlier_mark", &COpenGL_Havrel::outlier_mark)
                .property("labels", &COpenGL_Havrel::labels);
          });
  return definition;
}

}  // namespace plot
