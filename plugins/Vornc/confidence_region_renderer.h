#pragma once

#include <cstdint>
#include <string>

#include "confidence_region_records.h"
#include "confidence_region_settings.h"
#include "core/render/kept_records.h"
#include "core/render/renderer.h"

namespace plot {

// "VORN Confidence Region. Alpha =  " and the level as the host wrote it.
std::string confidence_caption(const std::string& alpha);

// Per-group confidence regions on the ternary frame: outline, vertex names, the caption, each
// group's closed 60-point curve, and the centres as the group's marker shape or as a dot in the
// group's colour, with the group legend; under the curves, the host's observations when it
// gives them, as the ternary diagram draws its points.
class COpenGL_VORN_C : public RendererOf<PluginKind::Vornc>,
                       public ConfidenceRegionSettings,
                       public KeptRecords<ConfidenceRegionRecords> {
 public:
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

 private:
  void draw_curves();
  void draw_marker_centres();
  void draw_dot_centres();
  const Punt& centre(int32_t group);
};

}  // namespace plot
