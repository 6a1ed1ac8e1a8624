#pragma once

#include <cstdint>
#include <string>

#include "core/render/kept_records.h"
#include "core/render/renderer.h"
#include "predictive_region_records.h"
#include "predictive_region_settings.h"

namespace plot {

// "VORN Predictive Region. Alpha =  " and the levels of regions 1 to nNivells, three blanks
// apart.
std::string predictive_caption(const Vector_VORN& regions);

// Nested predictive regions on the ternary frame: outline, vertex names, the caption with the
// levels, and each region as the closed curve of its two branches; the host's observations as
// dots in their own colours (with `formes`, black markers by forma), and the groups' colour
// legend, when the host gives them.
class COpenGL_VORN : public RendererOf<PluginKind::Vorn>,
                     public PredictiveRegionSettings,
                     public KeptRecords<PredictiveRegionRecords> {
 public:
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

 protected:
  bool wants_marker_shapes() const override;

 private:
  void draw_regions();
};

}  // namespace plot
