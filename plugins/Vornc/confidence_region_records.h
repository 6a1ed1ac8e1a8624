#pragma once

#include "core/com/variant.h"
#include "plot_vornc_records.h"

namespace plot {

// The name under which the host passes the groups through the C interface.
template <>
struct RecordName<Vector_Punts_VORN_C> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_VORN_C_NAME;
};

}  // namespace plot
