#pragma once

#include "core/com/plugin_builder.h"
#include "plugins/biplot_family/biplot_flags.h"

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
class CDades_Havrel : public BiplotFlags {
 public:
  void mostrar() { FormSlot<bi_3D>::get().parametres(); }
};

}  // namespace plot
