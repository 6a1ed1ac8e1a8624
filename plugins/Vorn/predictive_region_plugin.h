#pragma once

#include "core/com/plugin_builder.h"
#include "predictive_region_renderer.h"

namespace plot {

// The predictive regions: mostrar hands the regions and coor to the renderer, then the
// settings.
using PredictiveRegionPlugin =
    Plugin<COpenGL_VORN, kPredictiveRegionSettings, DataSource::MostrarRecords>;
using CDades_vorn = DataEntry<PredictiveRegionPlugin>;

}  // namespace plot
