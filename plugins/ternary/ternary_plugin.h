#pragma once

#include "core/com/plugin_builder.h"
#include "ternary_renderer.h"

namespace plot {

// The ternary diagram: mostrar hands the points, the grid, the components and coor to the
// renderer, then the ternary settings.
struct TernaryPlugin {
  using Renderer = COpenGL_TD;
  using Settings = TernarySettings;
  static constexpr auto& kSettings = kTernarySettings;
  static constexpr DataSource kData = DataSource::MostrarRecords;
};

using CDades_Ternary = DataEntry<TernaryPlugin>;

}  // namespace plot
