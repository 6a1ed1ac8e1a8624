#include "logratio3d_renderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "core/errors/checked_int16.h"
#include "core/exchange/group_names_file.h"
#include "core/exchange/layout_reader.h"

namespace plot {
namespace {

// The fourth part is the divisor of the additive log-ratios; "alr" or anything else selects the
// balances.
constexpr std::string_view kAdditive = "ALR";

// The logarithm of numerator / divisor^power. A zero divisor is "Division by zero". A zero
// numerator, or a negative part among `parts` (even two of them, whose ratio is positive), is
// an invalid argument of the logarithm: compositions have positive parts only.
double log_ratio(double numerator, double divisor, int power, std::initializer_list<double> parts) {
  if (divisor == 0) raise(ErrorNumber::DivisionByZero);
  for (const double part : parts)
    if (part < 0) raise(ErrorNumber::InvalidCall);
  const double ratio = numerator / std::pow(divisor, power);
  if (!(ratio > 0)) raise(ErrorNumber::InvalidCall);  // a zero part, an underflow, NaN
  return std::log(ratio);
}

// The running extremes of one coordinate; equal values change nothing.
struct Extremes {
  double min = 99999;
  double max = -99999;

  double update(double v) {
    if (v < min) min = v;
    if (v > max) max = v;
    return v;
  }
  // (max - min + 0.9999) to the nearest integer, halves to even: at least 1 for any
  // observation; with none the start values overflow.
  int16_t rounded_range() const { return round_to_int16(max - min + 0.9999); }
};

}  // namespace

bool COpenGL_alr_3D::load_exchange_data() {
  const bool options = read_exchange_file(plot_tormin_options, [this](LayoutReader& in) {
    transformacio_ = in.read_string();
    modeDibuix_ = in.read_int16();
    nGrups = in.read_int16();
    for (int32_t k = 1; k <= 3; ++k) nomsEixos_(k) = in.read_string();
  });
  if (!options) return false;
  nomsGrups = read_group_names_file(nGrups);

  DoubleArray2 Dades = tormin_parts_table();
  const bool data = read_exchange_file(plot_tormin_data, [&](LayoutReader& in) {
    nPunts_ = 0;
    while (!in.at_end()) {
      nPunts_ = add16(nPunts_, 1);
      // Record 6001 has no row: "Subscript out of range", and the file stays.
      for (int32_t k = 1; k <= 4; ++k) Dades(nPunts_, k) = in.read_double();
      grup_(nPunts_ - 1) = in.read_int16();
    }
  });
  if (!data) return false;
  Calcul_Dades(Dades);
  return true;
}

void COpenGL_alr_3D::Calcul_Dades(DoubleArray2& Dades) {
  std::array<Extremes, 3> extremes;
  const bool additive = transformacio_ == kAdditive;
  const int16_t count = nPunts_;
  for (int32_t i = 1; i <= count; ++i) {
    const double x1 = Dades(i, 1);
    const double x2 = Dades(i, 2);
    const double x3 = Dades(i, 3);
    const double x4 = Dades(i, 4);
    const int32_t n = i - 1;
    if (additive) {
      coordX_(n) = extremes[0].update(log_ratio(x1, x4, 1, {x1, x4}));
      coordY_(n) = extremes[1].update(log_ratio(x2, x4, 1, {x2, x4}));
      coordZ_(n) = extremes[2].update(log_ratio(x3, x4, 1, {x3, x4}));
    } else {
      // Each balance compares the product of the parts before with the next part, so the
      // same composition in percent or in proportions gives the same point.
      double p = x1;
      coordX_(n) = extremes[0].update(1 / std::sqrt(2.0) * log_ratio(p, x2, 1, {x1, x2}));
      p *= x2;
      coordY_(n) = extremes[1].update(1 / std::sqrt(6.0) * log_ratio(p, x3, 2, {x1, x2, x3}));
      p *= x3;
      coordZ_(n) = extremes[2].update(1 / std::sqrt(12.0) * log_ratio(p, x4, 3, {x1, x2, x3, x4}));
    }
  }

  int16_t widest = 0;
  for (const Extremes& e : extremes) widest = std::max(widest, e.rounded_range());
  const double s = 1.0 / widest;
  for (int32_t n = 0; n < count; ++n) {
    coordX_(n) *= s;
    coordY_(n) *= s;
    coordZ_(n) *= s;
  }
}

void COpenGL_alr_3D::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  Renderer::DrawAxes(x, y, z);
  const bool shapes = modeDibuix_ == 2;
  // A dot's colour is its group's: copied here from the table for the dot loop to read.
  std::array<float, 3> dot_colour{};
  const auto observation = [&](int32_t n) {
    const PointMark p{coordX_(n), coordY_(n), dot_colour.data(), grup_(n), coordZ_(n)};
    if (!shapes) {
      // A group outside 0 to 10 has no colour: "Subscript out of range".
      const Rgb& c = group_colour_table()(p.forma);
      dot_colour = {c.r, c.g, c.b};
    }
    return p;
  };
  draw_logratio_scene(*this,
                      {.third_axis = {1, 0, 0},
                       .names = {nomsEixos_.data(), decltype(nomsEixos_)::size},
                       .marks = shapes ? ObservationMarks::GroupShapes : ObservationMarks::Dots,
                       .count = nPunts_,
                       .dot_front = 0,
                       .observation = observation,
                       .centre_x = centreX,
                       .centre_y = centreY,
                       .groups = nGrups,
                       .group_names = nomsGrups,
                       .legend = kLogRatio3dLegend},
                      x, y, z);
}

}  // namespace plot
