#pragma once

#include "core/com/variant.h"
#include "plot_vorn_records.h"

namespace plot {

// The name under which the host passes the regions through the C interface.
template <>
struct RecordName<Vector_VORN> {
  static constexpr const char* value = PLOT_VECTOR_VORN_NAME;
};

}  // namespace plot
