#include "biplot_steps.h"

#include <GL/gl.h>

#include <optional>

#include "core/errors/checked_int16.h"
#include "core/render/gl_scope.h"
#include "core/text/number_text.h"

namespace plot::biplot {
namespace {

constexpr float kDotSize = 5.0f;
constexpr double kRowStep = 0.08;

constexpr LegendLayout kGroupLegend{.origin = {1, 1, 0},
                                    .row_step = kRowStep,
                                    .text_dx = 0.05,
                                    .text_dy = 0.02,
                                    .raster_at_sample = true};

void raster_at(double x, double y, double z) {
  glRasterPos3f(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void vertex_at(double x, double y, double z) {
  glVertex3f(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

// Item numbers are 1-based and printed as the host's 16-bit integers.
std::string number_text(int32_t index) {
  return int16_text(to_int16(index + 1));
}

void outlier_mark_at(const MarkerLists& markers, double x, double y, double z) {
  const MatrixScope at_point;
  glTranslatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
  call_outlier_mark(markers);
}

}  // namespace

void draw_observation_shapes(const MarkerLists& markers, int32_t count,
                             const ObservationAt& observation, OutlierMarking marking) {
  for (int32_t i = 0; i < count; ++i) {
    const ObservationMark o = observation(i);
    const MatrixScope at_point;
    glColor3f(0, 0, 0);
    glTranslatef(static_cast<float>(o.at.x), static_cast<float>(o.at.y),
                 static_cast<float>(o.at.z));
    if (marking == OutlierMarking::On && o.outlier)
      call_outlier_mark(markers);
    else
      call_marker(markers, o.shape);
  }
}

void draw_observation_dots(const MarkerLists& markers, int32_t count,
                           const ObservationAt& observation, const ColourAt& colour, double lift,
                           OutlierMarking marking) {
  if (marking == OutlierMarking::Off) {
    set_point_size(kDotSize);
    const PrimitiveScope dots(GL_POINTS);
    for (int32_t i = 0; i < count; ++i) {
      const Rgb c = colour(i);
      glColor3f(c.r, c.g, c.b);
      const ModelPoint p = observation(i).at;
      vertex_at(p.x, p.y, p.z + lift);
    }
    return;
  }
  // The dots between two outliers share one primitive (a primitive per dot made a 6000-point
  // frame ten times slower); every mark still comes in the observations' order.
  std::optional<PrimitiveScope> dots;
  for (int32_t i = 0; i < count; ++i) {
    const Rgb c = colour(i);
    const ObservationMark o = observation(i);
    if (o.outlier) {
      dots.reset();
      glColor3f(c.r, c.g, c.b);
      outlier_mark_at(markers, o.at.x, o.at.y, o.at.z + lift);
      continue;
    }
    if (!dots) {
      set_point_size(kDotSize);
      dots.emplace(GL_POINTS);
    }
    glColor3f(c.r, c.g, c.b);
    vertex_at(o.at.x, o.at.y, o.at.z + lift);
  }
}

void draw_group_legend(Renderer& renderer, GroupLegend legend, int16_t groups,
                       const StringArray& names) {
  plot::draw_group_legend(
      renderer, kGroupLegend,
      legend == GroupLegend::Shapes ? LegendSample::MarkerShape : LegendSample::ColourDot, groups,
      names);
}

void draw_observation_numbers(Renderer& renderer, int32_t count, const PointAt& at) {
  glColor3f(0, 0, 0);
  for (int32_t i = 0; i < count; ++i) {
    const ModelPoint p = at(i);
    raster_at(p.x - 0.02, p.y + 0.02, p.z);
    renderer.glPrint(with_blank(number_text(i)));
  }
}

void draw_rays(int32_t count, const PointAt& tip, double lift) {
  const PrimitiveScope lines(GL_LINES);
  glColor3f(0, 0, 0);
  for (int32_t k = 0; k < count; ++k) {
    const ModelPoint p = tip(k);
    glVertex3f(0, 0, 0);
    vertex_at(p.x, p.y, p.z + lift);
  }
}

void draw_ray_labels(Renderer& renderer, int32_t count, const PointAt& tip, const NameAt& name,
                     bool by_name, RayLabelPlace place) {
  glColor3f(0, 0, 0);
  for (int32_t k = 0; k < count; ++k) {
    const ModelPoint p = tip(k);
    if (place == RayLabelPlace::AtTheTip)
      raster_at(p.x, p.y, p.z);
    else if (p.y > 0)
      raster_at(p.x, p.y + 0.02, 0);
    else
      raster_at(p.x, p.y - 0.06, 0);
    renderer.glPrint(with_blank(by_name ? name(k) : number_text(k)));
  }
}

void draw_variable_legend(Renderer& renderer, int32_t count, const NameAt& name) {
  raster_at(1, 1, 0);
  for (int32_t k = 0; k < count; ++k) {
    raster_at(1, -kRowStep * k, 0);
    renderer.glPrint(with_blank(number_text(k) + " = " + name(k)));
  }
}

void draw_cumulative_proportions(Renderer& renderer, int32_t rang, const ValueAt& proportion) {
  raster_at(-1.8, 1.2, 0);
  renderer.glPrint("Cumulative proportion explained: ");
  // A running height, as the rows were always laid out: 1.1, then 0.08 less each row.
  double height = 1.1;
  for (int32_t j = 1; j <= rang; ++j) {
    raster_at(-1.7, height, 0);
    renderer.glPrint(with_blank(single_text(proportion(j))));
    height -= kRowStep;
  }
}

void draw_outliers_legend(Renderer& renderer) {
  raster_at(-1.7, -1.2, 0);
  renderer.glPrint("= Outliers ");
  outlier_mark_at(renderer.markers(), -1.8, -1.17, 0);
}

}  // namespace plot::biplot
