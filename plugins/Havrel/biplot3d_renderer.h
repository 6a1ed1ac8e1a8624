#pragma once

#include <cstdint>
#include <string>

#include "biplot3d_tables.h"
#include "core/com/string_array.h"
#include "core/errors/fixed_array.h"
#include "core/render/renderer.h"
#include "plot_biplot_records.h"
#include "plugins/biplot_family/biplot_settings.h"
#include "plugins/biplot_family/owned_rays.h"

namespace plot {

// The renderer of the 3D biplot: observations and variable rays in space, drawn from the
// tables its Initialize fills from the host's exchange files; the options file sets its flags
// and nGrups.
class COpenGL_Havrel : public Renderer, public BiplotRendererFlags {
 public:
  static constexpr PluginKind kKind = PluginKind::Havrel;
  COpenGL_Havrel() : Renderer(profile_of(kKind)) {}

  // Keeps copies of the 3D records and coor(1) to coor(3). Part of the interface only: the
  // drawing reads the exchange tables, never these.
  void Passar_Punts(Vector_Punts_bi_3D& VPtemp, Vector_Linies_3D& VLtemp, StringArray& coor_temp);
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

  const HavrelTables& tables() const { return tables_; }

  // The copies Passar_Punts made.
  const Vector_Punts_bi_3D& passed_points() const { return passed_points_; }
  const biplot::OwnedRays<PuntBi3D>& passed_rays() const { return passed_rays_; }
  const std::string& passed_coor(int32_t i) const { return passed_coor_(i); }

 protected:
  // Options, proportions, rays, then the observations when the options ask for them.
  bool load_exchange_data() override;

 private:
  void draw_observations();

  HavrelTables tables_;
  Vector_Punts_bi_3D passed_points_{};
  biplot::OwnedRays<PuntBi3D> passed_rays_;
  FixedArray<std::string, 1, 3> passed_coor_;
};

}  // namespace plot
