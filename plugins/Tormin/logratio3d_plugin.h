#pragma once

#include "core/com/plugin_builder.h"
#include "core/com/variant.h"
#include "logratio3d_renderer.h"
#include "plot_logratio_records.h"

namespace plot {

// The name a host must give Passar_Punts' record, so one record is never read as another.
template <>
struct RecordName<Vector_Punts_Tormin> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_TORMIN_NAME;
};

// The 3D log-ratio plot: the host may set the log-ratio settings, but the renderer takes its
// own from the options file, and computes its coordinates from the data file.
inline constexpr std::tuple kLogRatio3dMethods{
    method_row("Calcul_Dades", &COpenGL_alr_3D::Calcul_Dades)};
using LogRatio3dPlugin =
    Plugin<COpenGL_alr_3D, kLogRatioSettings, DataSource::ExchangeFiles, kLogRatio3dMethods>;
using CDades_ALR_3D = DataEntry<LogRatio3dPlugin>;

}  // namespace plot
