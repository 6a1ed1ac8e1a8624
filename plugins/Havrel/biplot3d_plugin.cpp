#include "biplot3d_plugin.h"
#include "plugins/biplot_family/biplot_records.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_Havrel, COpenGL_Havrel, bi_3D>(
          PluginKind::Havrel,
          [](auto& c) { add_biplot_flags(c).method("mostrar", &CDades_Havrel::mostrar); },
          [](auto& c) {
            add_biplot_renderer_flags(c).method("Passar_Punts", &COpenGL_Havrel::Passar_Punts);
          });
  return definition;
}

}  // namespace plot
