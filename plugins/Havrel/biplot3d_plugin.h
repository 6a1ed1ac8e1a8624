#pragma once

#include "biplot3d_renderer.h"
#include "core/com/plugin_builder.h"

namespace plot {

// The 3D biplot: the host may set the biplot settings, but the renderer takes its own from the
// options file, and its data from the other exchange files.
using Biplot3dPlugin = Plugin<COpenGL_Havrel, kBiplotSettings, DataSource::ExchangeFiles>;
using CDades_Havrel = DataEntry<Biplot3dPlugin>;

}  // namespace plot
