#pragma once

#include "core/com/plugin_builder.h"
#include "ternary_renderer.h"

namespace plot {

// The ternary diagram: mostrar hands the points, the grid, the components and coor to the
// renderer, then the ternary settings.
using TernaryPlugin = Plugin<COpenGL_TD, kTernarySettings, DataSource::MostrarRecords>;
using CDades_Ternary = DataEntry<TernaryPlugin>;

}  // namespace plot
