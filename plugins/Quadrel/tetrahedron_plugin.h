#pragma once

#include "core/com/plugin_builder.h"
#include "tetrahedron_renderer.h"

namespace plot {

// The tetrahedron: the host may set the ternary settings, but the renderer takes everything it
// shows from its two exchange files.
using TetrahedronPlugin = Plugin<COpenGL_TD_3D, kTernarySettings, DataSource::ExchangeFiles>;
using CDades_Quadrel = DataEntry<TetrahedronPlugin>;

}  // namespace plot
