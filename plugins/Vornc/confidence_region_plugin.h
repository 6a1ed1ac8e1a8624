#pragma once

#include "confidence_region_renderer.h"
#include "core/com/plugin_builder.h"

namespace plot {

// The confidence regions: mostrar hands the groups and coor to the renderer, then the
// settings.
using ConfidenceRegionPlugin =
    Plugin<COpenGL_VORN_C, kConfidenceRegionSettings, DataSource::MostrarRecords>;
using CDades_VORN_C = DataEntry<ConfidenceRegionPlugin>;

}  // namespace plot
