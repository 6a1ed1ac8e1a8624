#pragma once

#include "biplot_renderer.h"
#include "core/com/plugin_builder.h"

namespace plot {

// The 2D biplot: mostrar hands the observations, the rays and coor to the renderer, then the
// biplot settings.
using BiplotPlugin = Plugin<COpenGL_biplot, kBiplotSettings, DataSource::MostrarRecords>;
using CDades_biplot = DataEntry<BiplotPlugin>;

}  // namespace plot
