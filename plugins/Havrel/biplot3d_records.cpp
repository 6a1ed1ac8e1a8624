#include "biplot3d_renderer.h"

namespace plot {

void COpenGL_Havrel::Passar_Punts(Vector_Punts_bi_3D& VPtemp, Vector_Linies_3D& VLtemp,
                                  StringArray& coor_temp) {
  passed_points_ = VPtemp;
  biplot::copy_rays(passed_rays_, VLtemp, VLtemp.Rang);
  for (int32_t i = 1; i <= 3; ++i) passed_coor_(i) = coor_temp(i);
}

}  // namespace plot
