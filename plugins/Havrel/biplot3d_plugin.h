#pragma once

#include "biplot3d_renderer.h"
#include "core/com/plugin_builder.h"
#include "plugins/biplot_family/biplot_settings.h"

namespace plot {

using bi_3D = SelfLoadingForm<COpenGL_Havrel>;

// The host may set these; the 3D plot takes its flags from the options file.
class CDades_Havrel : public BiplotFlags {
 public:
  void mostrar() { FormSlot<bi_3D>::get().parametres(); }
};

}  // namespace plot
