#pragma once

#include "core/com/string_array.h"
#include "core/com/variant.h"
#include "plot_ternary_records.h"
#include "plugins/ternary_family/ternary_frame.h"

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

// What Passar_Punts keeps in the ternary diagram and the tetrahedron: the three records and
// the vertex names.
struct TernaryRecords {
  Vector_Punts VP{};
  Vector_Graella VG{};
  Vector_Punts_PC VPC{};
  VertexLabels coor;

  // The records whole, then coor_temp(1) to (3); a name missing from coor_temp is "Subscript
  // out of range", after the records were copied.
  void copy(const Vector_Punts& VPtemp, const Vector_Graella& VPtemp2,
            const Vector_Punts_PC& VPCtemp, const StringArray& coor_temp) {
    VP = VPtemp;
    VG = VPtemp2;
    VPC = VPCtemp;
    copy_vertex_labels(coor, coor_temp);
  }
};

}  // namespace plot
