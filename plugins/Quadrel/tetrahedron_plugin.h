#pragma once

#include "core/com/plugin_builder.h"
#include "tetrahedron_renderer.h"

namespace plot {

// The tetrahedron: the host may set the ternary settings, but the renderer takes everything it
// shows from its two exchange files.
struct TetrahedronPlugin {
  using Renderer = COpenGL_TD_3D;
  using Settings = TernarySettings;
  static constexpr auto& kSettings = kTernarySettings;
  static constexpr DataSource kData = DataSource::ExchangeFiles;
};

using CDades_Quadrel = DataEntry<TetrahedronPlugin>;

}  // namespace plot
