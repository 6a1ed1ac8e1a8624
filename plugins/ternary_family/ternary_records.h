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

// What the ternary diagram and the tetrahedron keep of Passar_Punts: the three records whole,
// then the vertex names coor_temp(1) to (3); a name missing from coor_temp is "Subscript out
// of range", after the records were copied.
struct TernaryRecords {
  Vector_Punts points{};
  Vector_Graella grid{};
  Vector_Punts_PC components{};
  VertexLabels coor;

  void copy(Vector_Punts& VPtemp, Vector_Graella& VPtemp2, Vector_Punts_PC& VPCtemp,
            StringArray& coor_temp) {
    points = VPtemp;
    grid = VPtemp2;
    components = VPCtemp;
    copy_vertex_labels(coor, coor_temp);
  }
};

}  // namespace plot
