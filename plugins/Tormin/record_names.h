#pragma once

#include "core/com/variant.h"
#include "plot_logratio_records.h"

namespace plot {

// The name a host must give Passar_Punts' record, so one record is never read as another.
template <>
struct RecordName<Vector_Punts_Tormin> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_TORMIN_NAME;
};

}  // namespace plot
