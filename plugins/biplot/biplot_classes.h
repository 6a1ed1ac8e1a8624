#pragma once

#include "core/com/plugin_builder.h"
#include "plugins/biplot_family/biplot_flags.h"

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

class CDades_biplot : public BiplotFlags {
 public:
  void mostrar() {
    FormSlot<bi>::get().parametres(printeixos, observation, outlier_mark, labels, formes, nGrups);
  }
};

}  // namespace plot
