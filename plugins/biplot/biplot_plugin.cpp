#include "core/com/plugin_builder.h"

namespace plot {

class COpenGL_biplot : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::biplot;
  COpenGL_biplot() : Renderer(profile_of(kKind)) {}
  double centreX = 0;
  double centreY = 0;
  Boolean printeixos;
  Boolean observation;
  Boolean outlier_mark;
  Boolean labels;
};

class bi : public ViewerForm {
 public:
  bi() : ViewerForm(profile_of(PluginKind::biplot)) {}
  // FIXME: the observation and variable records arrive with the biplot drawing.
  void parametres(Boolean printeixos, Boolean observation, Boolean outlier_mark, Boolean labels,
                  Boolean formes, int16_t nGrups) {
    ViewerForm::parametres<COpenGL_biplot>([&](COpenGL_biplot& r) {
      r.printeixos = printeixos;
      r.observation = observation;
      r.outlier_mark = outlier_mark;
      r.labels = labels;
      r.formes = formes;
      r.nGrups = nGrups;
    });
  }
};

class CDades_biplot {
 public:
  Boolean printeixos;
  Boolean observation;
  Boolean outlier_mark;
  Boolean labels;
  Boolean formes;
  int16_t nGrups = 0;
  void mostrar() {
    FormSlot<bi>::get().parametres(printeixos, observation, outlier_mark, labels, formes, nGrups);
  }
};

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_biplot, COpenGL_biplot, bi>(
          PluginKind::biplot,
          [](auto& c) {
            c.property("printeixos", &CDades_biplot::printeixos)
                .property("observation", &CDades_biplot::observation)
                .property("outlier_mark", &CDades_biplot::outlier_mark)
                .property("labels", &CDades_biplot::labels)
                .property("formes", &CDades_biplot::formes)
                .property("nGrups", &CDades_biplot::nGrups)
                .method("mostrar", &CDades_biplot::mostrar);
          },
          [](auto& c) {
            c.property("centreX", &COpenGL_biplot::centreX)
                .property("centreY", &COpenGL_biplot::centreY)
                .property("printeixos", &COpenGL_biplot::printeixos)
                .property("observation", &COpenGL_biplot::observation)
                .property("outlier_mark", &COpenGL_biplot::outlier_mark)
                .property("labels", &COpenGL_biplot::labels);
          });
  return definition;
}

}  // namespace plot
