#pragma once

#include <string>

#include "core/com/string_array.h"
#include "core/com/variant.h"
#include "plot_vornc_records.h"
#include "plugins/ternary_family/observations.h"
#include "plugins/ternary_family/ternary_frame.h"

namespace plot {

// The name under which the host passes the groups through the C interface.
template <>
struct RecordName<Vector_Punts_VORN_C> {
  static constexpr const char* value = PLOT_VECTOR_PUNTS_VORN_C_NAME;
};

// What the confidence-region renderer keeps of Passar_Punts: the whole record with its own copy
// of `alpha` (the host may free its text once mostrar returns), then coor_temp(1) to (3). An
// `alpha` with a negative length, or with a length and no text, is "Invalid procedure call or
// argument". Then the observations, when the host hands them over as well.
struct ConfidenceRegionRecords {
  Vector_Punts_VORN_C groups{};
  std::string alpha;  // groups.alpha points here
  VertexLabels coor;
  KeptObservations observations;

  ConfidenceRegionRecords() = default;
  ConfidenceRegionRecords(const ConfidenceRegionRecords&) = delete;
  ConfidenceRegionRecords& operator=(const ConfidenceRegionRecords&) = delete;

  void copy(Vector_Punts_VORN_C& VPtemp, StringArray& coor_temp, const Vector_Punts* VPt) {
    std::string text = owned_string(VPtemp.alpha);
    groups = VPtemp;
    alpha = std::move(text);
    groups.alpha = {alpha.data(), static_cast<int32_t>(alpha.size())};
    copy_vertex_labels(coor, coor_temp);
    observations.copy(VPt);
  }
};

}  // namespace plot
