#pragma once

#include <cstdint>
#include <string>

#include "confidence_region_records.h"
#include "core/com/string_array.h"
#include "core/render/renderer.h"
#include "plugins/ternary_family/ternary_frame.h"

namespace plot {

// "VORN Confidence Region. Alpha =  " and the level as the host wrote it.
std::string confidence_caption(const std::string& alpha);

// Per-group confidence regions on the ternary frame: outline, vertex names, the caption, each
// group's closed 60-point curve, and the centres as the group's marker shape or as a dot in the
// group's colour, with the group legend.
class COpenGL_VORN_C : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::Vornc;
  COpenGL_VORN_C() : Renderer(profile_of(kKind)) {}

  // Copies the whole record with its own copy of `alpha` (the host may free its text once
  // mostrar returns), then coor_temp(1) to (3). An `alpha` with a negative length, or with a
  // length and no text, is "Invalid procedure call or argument".
  void Passar_Punts(Vector_Punts_VORN_C& VPtemp, StringArray& coor_temp);

  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

  const Vector_Punts_VORN_C& groups() const { return VP_; }
  const std::string& alpha() const { return alpha_; }
  const std::string& label(int32_t i) const { return coor_(i); }

 private:
  void draw_curves();
  void draw_marker_centres();
  void draw_dot_centres();
  const Punt& centre(int32_t group);

  Vector_Punts_VORN_C VP_{};
  std::string alpha_;  // VP_.alpha points here
  VertexLabels coor_;
};

}  // namespace plot
