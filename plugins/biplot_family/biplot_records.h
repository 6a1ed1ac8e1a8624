#pragma once

#include <cstdint>
#include <string>

#include "core/com/string_array.h"
#include "core/com/variant.h"
#include "core/errors/fixed_array.h"
#include "plot_biplot_records.h"
#include "plugins/biplot_family/owned_rays.h"

namespace plot {

// The names under which a host passes the biplot records through the C interface.
template <>
struct RecordName<Vector_Punts_bi> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_BI_NAME;
};
template <>
struct RecordName<Vector_Linies> {
  static constexpr const char* value = PLOT_VECTOR_LINIES_NAME;
};
template <>
struct RecordName<Vector_Punts_bi_3D> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_BI_3D_NAME;
};
template <>
struct RecordName<Vector_Linies_3D> {
  static constexpr const char* value = PLOT_VECTOR_LINIES_3D_NAME;
};

// What a biplot renderer keeps of Passar_Punts: the observations whole, the rays field by field
// with their names' bytes, then coor(1) to coor(3). A name with a negative length, or with bytes
// but no pointer, is "Invalid procedure call"; a missing coor element "Subscript out of range".
template <typename Observations, typename Rays, typename Punt>
struct BiplotRecords {
  Observations observations{};
  biplot::OwnedRays<Punt> rays;
  FixedArray<std::string, 1, 3> coor;

  void copy(Observations& VPtemp, Rays& VLtemp, StringArray& coor_temp) {
    observations = VPtemp;
    biplot::copy_rays(rays, VLtemp);
    for (int32_t i = 1; i <= 3; ++i) coor(i) = coor_temp(i);
  }
};

using BiplotRecords2D = BiplotRecords<Vector_Punts_bi, Vector_Linies, PuntBi>;
// The 3D plot's drawing reads its exchange tables, never these.
using BiplotRecords3D = BiplotRecords<Vector_Punts_bi_3D, Vector_Linies_3D, PuntBi3D>;

}  // namespace plot
