#pragma once

#include "core/com/variant.h"
#include "plot_biplot_records.h"

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

}  // namespace plot
