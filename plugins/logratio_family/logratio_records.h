#pragma once

#include <string>

#include "core/com/string_array.h"
#include "core/errors/fixed_array.h"

namespace plot {

// What a log-ratio renderer keeps of Passar_Punts: the whole record, then the names coor(1)
// and coor(2); a host array without either raises "Subscript out of range".
template <typename Observations>
struct LogRatioRecords {
  Observations observations{};
  FixedArray<std::string, 1, 2> coor;

  void copy(Observations& VPtemp, StringArray& coor_temp) {
    observations = VPtemp;
    coor(1) = coor_temp(1);
    coor(2) = coor_temp(2);
  }
};

}  // namespace plot
