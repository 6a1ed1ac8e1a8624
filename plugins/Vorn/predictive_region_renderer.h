#pragma once

#include <cstdint>
#include <string>

#include "core/com/string_array.h"
#include "core/render/renderer.h"
#include "plugins/ternary_family/ternary_frame.h"
#include "predictive_region_records.h"

namespace plot {

// "VORN Predictive Region. Alpha =  " and the levels of regions 1 to 3, three blanks apart,
// whatever the number of regions drawn.
std::string predictive_caption(const Vector_VORN& regions);

// Nested predictive regions on the ternary frame: outline, vertex names, the caption with the
// levels, and each region as the closed curve of its two branches. No points, no legend.
class COpenGL_VORN : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::Vorn;
  COpenGL_VORN() : Renderer(profile_of(kKind)) {}

  // Copies the whole record, then coor_temp(1) to (3); a missing name is "Subscript out of
  // range", after the record was copied.
  void Passar_Punts(Vector_VORN& VPtemp, StringArray& coor_temp);

  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

  const Vector_VORN& regions() const { return VP_; }
  const std::string& label(int32_t i) const { return coor_(i); }

 private:
  void draw_regions();

  Vector_VORN VP_{};
  VertexLabels coor_;
};

}  // namespace plot
