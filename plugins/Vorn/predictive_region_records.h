#pragma once

#include "core/com/string_array.h"
#include "core/com/variant.h"
#include "plot_vorn_records.h"
#include "plugins/ternary_family/observations.h"
#include "plugins/ternary_family/ternary_frame.h"

namespace plot {

// The name under which the host passes the regions through the C interface.
template <>
struct RecordName<Vector_VORN> {
  static constexpr const char* value = PLOT_VECTOR_VORN_NAME;
};

// What the predictive-region renderer keeps of Passar_Punts: the whole record, then the vertex
// names coor_temp(1) to (3); a missing name is "Subscript out of range", after the record was
// copied. Then the observations, when the host hands them over as well.
struct PredictiveRegionRecords {
  Vector_VORN regions{};
  VertexLabels coor;
  KeptObservations observations;

  void copy(Vector_VORN& VPtemp, StringArray& coor_temp, const Vector_Punts* VPt) {
    regions = VPtemp;
    copy_vertex_labels(coor, coor_temp);
    observations.copy(VPt);
  }
};

}  // namespace plot
