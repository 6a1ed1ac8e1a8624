#pragma once

#include "core/com/variant.h"
#include "plot_ternary_records.h"

namespace plot {

// The names under which the host passes the ternary records through the C interface.
template <>
struct RecordName<Vector_Punts> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_NAME;
};
template <>
struct RecordName<Vector_Graella> {
  static constexpr const char* value = PLOT_VECTOR_GRAELLA_NAME;
};
template <>
struct RecordName<Vector_Punts_PC> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_PC_NAME;
};

}  // namespace plot
