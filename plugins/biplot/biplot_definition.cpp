#include "bi_form.h"
#include "cdades_biplot.h"
#include "copengl_biplot.h"
#include "core/com/plugin_builder.h"
#include "plugins/biplot_family/biplot_record_names.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_biplot, COpenGL_biplot, bi>(
          COpenGL_biplot::kKind,
          [](auto& c) { add_biplot_flags(c).method("mostrar", &CDades_biplot::mostrar); },
          [](auto& c) {
            c.property("centreX", &COpenGL_biplot::centreX)
                .property("centreY", &COpenGL_biplot::centreY)
                .property("printeixos", &COpenGL_biplot::printeixos)
                .property("observation", &COpenGL_biplot::observation)
                .property("outlier_mark", &COpenGL_biplot::outlier_mark)
                .property("labels", &COpenGL_biplot::labels)
                .method("Passar_Punts", &COpenGL_biplot::Passar_Punts);
          });
  return definition;
}

}  // namespace plot
