#pragma once

#include "core/com/plugin_builder.h"
#include "core/com/variant.h"
#include "logratio_renderer.h"
#include "plot_logratio_records.h"

namespace plot {

// The name a host must give the observation record, so one record is never read as another.
template <>
struct RecordName<Vector_Punts_arl> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_ARL_NAME;
};

// The 2D log-ratio plot: mostrar hands the observations and coor to the renderer, then the
// log-ratio settings.
using LogRatioPlugin = Plugin<COpenGL_alr, kLogRatioSettings, DataSource::MostrarRecords>;
using CDades_ALR = DataEntry<LogRatioPlugin>;

}  // namespace plot
