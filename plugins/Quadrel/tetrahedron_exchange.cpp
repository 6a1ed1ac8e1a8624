// The two exchange files of the tetrahedron, read after the camera defaults of Initialize.
#include "core/errors/checked_int16.h"
#include "core/exchange/group_names_file.h"
#include "core/exchange/layout_reader.h"
#include "tetrahedron_renderer.h"

namespace plot {

bool COpenGL_TD_3D::load_exchange_data() {
  // The options are consumed even when the data file then turns out to be missing.
  if (!read_exchange_file(plot_quadrel_options, [this](LayoutReader& in) { read_options(in); }))
    return false;
  nomsGrups = read_group_names_file(nGrups);
  return read_exchange_file(plot_quadrel_data, [this](LayoutReader& in) { read_points(in); });
}

void COpenGL_TD_3D::read_options(LayoutReader& in) {
  display_mode_ = in.read_int16();
  nGrups = in.read_int16();
  // Shown at the label positions; without them every tetrahedron had empty labels.
  for (int32_t i = 1; i <= 3; ++i) records_.coor(i) = in.read_string();
  // Files without it, the older ones, keep their names where they always stood.
  if (in.optional_fields_follow()) fourth_name_ = in.read_string();
}

void COpenGL_TD_3D::read_points(LayoutReader& in) {
  count_ = 0;
  // The end test comes before each record, so a closing line break adds no row; a record
  // beyond the table is "Subscript out of range" before any of its values is read.
  while (!in.at_end()) {
    count_ = add16(count_, 1);
    TetrahedronPoint& row = (*table_)(count_ - 1);
    row.x = in.read_double();
    row.y = in.read_double();
    row.z = in.read_double();
    row.group = in.read_double();
  }
}

}  // namespace plot
