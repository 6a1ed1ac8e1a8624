#include "havrel_classes.h"
#include "plugins/biplot_family/biplot_record_names.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_Havrel, COpenGL_Havrel, bi_3D>(
          PluginKind::Havrel,
          [](auto& c) { add_biplot_flags(c).method("mostrar", &CDades_Havrel::mostrar); },
          [](auto& c) {
            c.property("centreX", &COpenGL_Havrel::centreX)
                .property("centreY", &COpenGL_Havrel::centreY)
                .property("printeixos", &COpenGL_Havrel::printeixos)
                .property("observation", &COpenGL_Havrel::observation)
                .property("outlier_mark", &COpenGL_Havrel::outlier_mark)
                .property("labels", &COpenGL_Havrel::labels)
                .method("Passar_Punts", &COpenGL_Havrel::Passar_Punts);
          });
  return definition;
}

}  // namespace plot
