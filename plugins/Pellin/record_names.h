#pragma once

#include "core/com/variant.h"
#include "plot_logratio_records.h"

namespace plot {

// The name a host must give the observation record, so one record is never read as another.
template <>
struct RecordName<Vector_Punts_arl> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_ARL_NAME;
};

}  // namespace plot
