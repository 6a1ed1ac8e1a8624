#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/com/string_array.h"
#include "core/errors/fixed_array.h"
#include "core/render/kept_records.h"
#include "core/render/point_marks.h"
#include "core/render/renderer.h"
#include "plot_limits.h"
#include "plugins/ternary_family/ternary_records.h"
#include "plugins/ternary_family/ternary_settings.h"

namespace plot {

class LayoutReader;

// One record of the data file: a point in the tetrahedron frame and its group.
struct TetrahedronPoint {
  double x;
  double y;
  double z;
  double group;  // 1 to 10: the marker shape, or the colour rounded half to even
};

inline constexpr int32_t kMaxTetrahedronPoints = PLOT_MAX_3D_OBSERVATIONS;
using TetrahedronTable = FixedArray<TetrahedronPoint, 0, kMaxTetrahedronPoints - 1>;

// The tetrahedron: its six edges, the three vertex labels, the points of the data file as
// markers or coloured dots, and the group legend of the ternary diagram. The names stand where
// the ternary diagram has them, or, when the options file names the fourth corner, each at its
// corner. Everything it shows
// comes from the two exchange files its Initialize reads.
// Passar_Punts is the ternary diagram's; nothing in this plug-in calls it, but a host may, and
// the names it gives replace those of the options file from the next compile on.
class COpenGL_TD_3D : public RendererOf<PluginKind::Quadrel>,
                      public TernarySettings,
                      public KeptRecords<TernaryRecords> {
 public:
  static constexpr int16_t kMarkerMode = 2;

  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

  int16_t display_mode() const { return display_mode_; }
  int16_t record_count() const { return count_; }
  const TetrahedronPoint& record(int32_t r) const { return (*table_)(r); }
  // The options file's sixth value: with it every name stands at its corner.
  const std::optional<std::string>& fourth_name() const { return fourth_name_; }

 protected:
  bool load_exchange_data() override;

 private:
  void read_options(LayoutReader& in);
  void read_points(LayoutReader& in);

  int16_t display_mode_ = 0;
  int16_t count_ = 0;
  std::optional<std::string> fourth_name_;
  std::unique_ptr<TetrahedronTable> table_ = std::make_unique<TetrahedronTable>();
};

}  // namespace plot
