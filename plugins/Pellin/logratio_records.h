#pragma once

#include "Pellin_records.h"
#include "core/com/variant.h"

namespace plot {

// The name a host must give the observation record, so one record is never read as another.
template <>
struct RecordName<pellin::Vector_Punts_arl> {
  static constexpr const char* value = PELLIN_VECTOR_PUNTS_ARL_NAME;
};

}  // namespace plot
