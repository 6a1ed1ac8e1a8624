#pragma once

#include <cstdint>
#include <string>

#include "core/com/string_array.h"
#include "core/errors/fixed_array.h"
#include "core/render/renderer.h"
#include "plot_biplot_records.h"
#include "plugins/biplot_family/biplot_settings.h"
#include "plugins/biplot_family/biplot_steps.h"
#include "plugins/biplot_family/owned_rays.h"

namespace plot {

// The 2D biplot: observations as dots or marker shapes with outliers marked, their numbers,
// the variables' rays with their names or numbers, and the legends around them.
class COpenGL_biplot : public Renderer, public BiplotRendererFlags {
 public:
  static constexpr PluginKind kKind = PluginKind::biplot;
  COpenGL_biplot() : Renderer(profile_of(kKind)) {}

  using Rays = biplot::OwnedRays<PuntBi>;

  // Copies the observations whole, the rays field by field with their names' bytes, then
  // coor_temp(1) to (3): the host may free or change everything once this returns. A name
  // with a negative length, or with bytes but no pointer, is "Invalid procedure call".
  void Passar_Punts(Vector_Punts_bi& VPtemp, Vector_Linies& VLtemp, StringArray& coor_temp);
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

  const Vector_Punts_bi& observations() const { return VP_; }
  const Rays& rays() const { return VL_; }
  const std::string& coordinate_name(int32_t index) const { return coor_(index); }

 private:
  biplot::ObservationMark observation_at(int32_t i) const;
  biplot::ModelPoint tip_at(int32_t k) const;

  Vector_Punts_bi VP_{};
  Rays VL_;
  FixedArray<std::string, 1, 3> coor_;
};

}  // namespace plot
