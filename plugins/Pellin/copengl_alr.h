#pragma once

#include <cstdint>
#include <string>

#include "core/com/string_array.h"
#include "core/render/renderer.h"
#include "plot_logratio_records.h"
#include "plugins/logratio_family/logratio_scene.h"

namespace plot {

// The renderer of the 2D log-ratio plot: the axes with their names, one mark per observation
// (a dot in its own colour, or the black marker of its group), the group legend and a blue
// mark at the centre of the data.
class COpenGL_alr : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::Pellin;
  COpenGL_alr() : Renderer(profile_of(kKind)) {}

  double centreX = 0;
  double centreY = 0;

  // Copies the whole record, then the names coor(1) and coor(2); the host may reuse both
  // as soon as this returns.
  void Passar_Punts(Vector_Punts_arl& VPtemp, StringArray& coor_temp);
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

  const Vector_Punts_arl& observations() const { return observations_; }
  const std::string& coordinate_name(int32_t index) const { return names_(index); }

 private:
  PointMark observation(int32_t i) const;

  Vector_Punts_arl observations_{};
  CoordinateNames names_;
};

}  // namespace plot
