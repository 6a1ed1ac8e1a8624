#pragma once

#include <cstdint>
#include <string>

#include "core/render/point_marks.h"
#include "core/render/renderer.h"
#include "plugins/ternary_family/ternary_records.h"

namespace plot {

// The ternary diagram: the triangle of the frame (0, 0), (0.5, 0.866), (1, 0), its vertex
// labels, the grid or the principal components behind the data points, and the legends.
class COpenGL_TD : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::ternary;
  COpenGL_TD() : Renderer(profile_of(kKind)) {}

  std::string graella;

  // Copies the records whole, then the vertex names coor_temp(1) to (3); a name missing from
  // coor_temp is "Subscript out of range", after the records were copied.
  void Passar_Punts(Vector_Punts& VPtemp, Vector_Graella& VPtemp2, Vector_Punts_PC& VPCtemp,
                    StringArray& coor_temp);

  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

  const Vector_Punts& points() const { return records_.VP; }
  const Vector_Graella& grid() const { return records_.VG; }
  const Vector_Punts_PC& components() const { return records_.VPC; }
  const std::string& label(int32_t i) const { return records_.coor(i); }

 private:
  enum class Background { Nothing, Components, Grid };
  Background background() const;

  void draw_components();
  void draw_grid();
  void draw_marker_points();
  void draw_colour_points();
  PointMark point(int32_t i) const;

  TernaryRecords records_;
};

}  // namespace plot
