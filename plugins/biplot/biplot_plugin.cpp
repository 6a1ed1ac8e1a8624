#include "bi_form.h"
#include "biplot_renderer.h"
#include "cdades_biplot.h"
#include "core/com/plugin_builder.h"
#include "plugins/biplot_family/biplot_records.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_biplot, COpenGL_biplot, bi>(
          COpenGL_biplot::kKind,
          [](auto& c) { add_biplot_flags(c).method("mostrar", &CDades_biplot::mostrar); },
          [](auto& c) {
            add_biplot_renderer_flags(c).method("Passar_Punts", &COpenGL_biplot::Passar_Punts);
          });
  return definition;
}

}  // namespace plot
