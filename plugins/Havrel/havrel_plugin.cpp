#include "core/com/plugin_builder.h"

namespace plot {

class COpenGL_Havrel : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::Havrel;
  COpenGL_Havrel() : Renderer(profile_of(kKind)) {}
  double centreX = 0;
  double centreY = 0;
  Boolean printeixos;
  Boolean observation;
  Boolean outlier_mark;
  Boolean labels;
};

using bi_3D = SelfLoadingForm<COpenGL_Havrel>;

// The host may set these; the 3D plot takes its flags from the options file.
class CDades_Havrel {
 public:
  Boolean printeixos;
  Boolean observation;
  Boolean outlier_mark;
  Boolean labels;
  Boolean formes;
  int16_t nGrups = 0;
  void mostrar() { FormSlot<bi_3D>::get().parametres(); }
};

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
