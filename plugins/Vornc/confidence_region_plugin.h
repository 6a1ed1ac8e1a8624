#pragma once

#include "confidence_region_renderer.h"
#include "core/com/plugin_builder.h"

namespace plot {

// The confidence regions: mostrar hands the groups and coor to the renderer, then the
// settings.
struct ConfidenceRegionPlugin {
  using Renderer = COpenGL_VORN_C;
  using Settings = ConfidenceRegionSettings;
  static constexpr auto& kSettings = kConfidenceRegionSettings;
  static constexpr DataSource kData = DataSource::MostrarRecords;
};

using CDades_VORN_C = DataEntry<ConfidenceRegionPlugin>;

}  // namespace plot
