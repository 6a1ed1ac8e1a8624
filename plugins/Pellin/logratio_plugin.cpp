#include "alr_form.h"
#include "cdades_alr.h"
#include "core/com/plugin_builder.h"
#include "logratio_records.h"
#include "logratio_renderer.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = make_plugin_definition<CDades_ALR, COpenGL_alr, alr>(
      COpenGL_alr::kKind,
      [](auto& c) {
        c.property("formes", &CDades_ALR::formes)
            .property("nGrups", &CDades_ALR::nGrups)
            .property("centreX", &CDades_ALR::centreX)
            .property("centreY", &CDades_ALR::centreY)
            .method("mostrar", &CDades_ALR::mostrar);
      },
      [](auto& c) {
        c.property("centreX", &COpenGL_alr::centreX)
            .property("centreY", &COpenGL_alr::centreY)
            .method("Passar_Punts", &COpenGL_alr::Passar_Punts);
      });
  return definition;
}

}  // namespace plot
