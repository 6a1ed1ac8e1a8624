#pragma once

#include <cstdint>
#include <string>

#include "core/render/kept_records.h"
#include "core/render/renderer.h"
#include "plugins/ternary_family/ternary_records.h"
#include "plugins/ternary_family/ternary_settings.h"

namespace plot {

// The ternary diagram: the triangle of the frame (0, 0), (0.5, 0.866), (1, 0), its vertex
// labels, the grid or the principal components behind the data points, and the legends.
class COpenGL_TD : public RendererOf<PluginKind::ternary>,
                   public TernarySettings,
                   public KeptRecords<TernaryRecords> {
 public:
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

 private:
  enum class Background { Nothing, Components, Grid };
  Background background() const;

  void draw_components();
  void draw_grid();
};

}  // namespace plot
