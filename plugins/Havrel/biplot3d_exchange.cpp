#include "biplot3d_renderer.h"
#include "core/errors/checked_int16.h"
#include "core/exchange/group_names_file.h"
#include "core/exchange/layout_reader.h"

namespace plot {

// Each slot below is taken before its value is read, so a count beyond a table stops at the
// first value that has no place, whatever the file holds.
bool COpenGL_Havrel::load_exchange_data() {
  HavrelTables& t = tables_;
  const auto options = [&](LayoutReader& in) {
    nGrups = in.read_int16();
    t.nLinies = in.read_int16();
    observation = in.read_logical();
    t.modeDibuix = in.read_int16();
    printeixos = in.read_logical();
    outlier_mark = in.read_logical();
    labels = in.read_logical();
    t.nRang = in.read_int16();
    for (int32_t i = 1; i <= 3; ++i) t.coor(i) = in.read_string();
  };
  const auto proportions = [&](LayoutReader& in) {
    for (int32_t j = 1; j <= t.nRang; ++j) {
      float& cpe = t.taulaCpe(j);
      cpe = in.read_float();
    }
  };
  const auto rays = [&](LayoutReader& in) {
    for (int32_t k = 0; k < t.nLinies; ++k) {
      auto& tip = t.taulaLinies(k);
      std::string& name = t.nomsLinies(k);
      for (double& c : tip) c = in.read_double();
      name = in.read_string();
    }
  };
  const auto points = [&](LayoutReader& in) {
    t.nPunts = 0;
    while (!in.at_end()) {
      auto& row = t.taulaPunts(t.nPunts);
      for (double& v : row) v = in.read_double();
      t.nPunts = add16(t.nPunts, 1);
    }
  };

  if (!read_exchange_file(plot_havrel_options, options)) return false;
  nomsGrups = read_group_names_file(nGrups);
  if (!read_exchange_file(plot_havrel_proportions, proportions)) return false;
  if (!read_exchange_file(plot_havrel_rays, rays)) return false;
  if (!observation) return true;  // a points file left from another run stays unread
  return read_exchange_file(plot_havrel_points, points);
}

}  // namespace plot
