#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "core/com/plugin_definition.h"
#include "core/errors/runtime_error.h"
#include "core/offscreen_gl_fixture.h"
#include "support/message_log.h"
#include "support/projection.h"
#include "td_form.h"

namespace plot::testing {

using Colour = std::array<int, 3>;

inline constexpr Colour kWhite = {255, 255, 255};
inline constexpr Colour kBlack = {0, 0, 0};
inline constexpr Colour kRed = {255, 0, 0};
inline constexpr Colour kGreen = {0, 255, 0};
inline constexpr Colour kBlue = {0, 0, 255};
inline constexpr uint8_t kBackground[3] = {255, 255, 255};

// One ternary diagram shown off screen through CDades_Ternary, as a host shows it. Positions
// are in the diagram frame: the triangle (0, 0), (0.5, 0.866), (1, 0).
class TernaryViewer {
 public:
  TernaryViewer() {
    if (ViewerForm* form = FormSlot<TD>::existing()) form->window().unload();
  }

  CDades_Ternary data;
  StringArray coor{1, {"A", "B", "C"}};
  Vector_Punts& points() { return records_->points; }
  Vector_Graella& grid() { return records_->grid; }
  Vector_Punts_PC& components() { return records_->components; }

  Punt& add_point(double x, double y, std::array<float, 3> colour, int16_t forma = 1) {
    Punt& p = points().Punts[points().long_++];
    p = {x, y, {colour[0], colour[1], colour[2]}, forma};
    return p;
  }

  // Grid line i of the pairing family k -> k + 1, from `from` to `to`.
  void set_grid_line(int family, int i, std::array<double, 2> from, std::array<double, 2> to) {
    const int next = family % 3 + 1;
    grid().VPG[family].Punts1[i].X = from[0];
    grid().VPG[family].Punts1[i].Y = from[1];
    grid().VPG[next].Punts2[i].X = to[0];
    grid().VPG[next].Punts2[i].Y = to[1];
  }

  void show() { data.mostrar(points(), grid(), components(), coor); }

  // The run-time error number mostrar raised, 0 for none.
  int32_t show_error() {
    try {
      show();
    } catch (const RuntimeError& e) {
      return e.code();
    }
    return 0;
  }

  static ViewerForm& form() { return *FormSlot<TD>::existing(); }
  static COpenGL_TD& renderer() { return static_cast<COpenGL_TD&>(*form().renderer()); }
  static const Image& picture() { return form().last_picture(); }

  // A diagram point in window coordinates (x right, y up); the drawing shifts the frame by
  // (-0.5, -0.5).
  static WindowPoint at(double x, double y, double z = 0) {
    const Image& image = picture();
    return project(profile_of(PluginKind::ternary), 25, image.width, image.height,
                   {x - 0.5, y - 0.5, z});
  }

  static Colour pixel(int32_t wx, int32_t wy) {
    const Image& image = picture();
    const uint8_t* p = image.pixel(wx, image.height - 1 - wy);
    return {p[0], p[1], p[2]};
  }
  static Colour colour_at(double x, double y) {
    const WindowPoint w = at(x, y);
    return pixel(static_cast<int32_t>(std::floor(w.x)), static_cast<int32_t>(std::floor(w.y)));
  }

  // Whether `wanted` is seen within `reach` pixels of the diagram point.
  static bool seen_near(double x, double y, const Colour& wanted, int reach = 1) {
    const WindowPoint w = at(x, y);
    const auto cx = static_cast<int32_t>(std::floor(w.x));
    const auto cy = static_cast<int32_t>(std::floor(w.y));
    for (int32_t dy = -reach; dy <= reach; ++dy)
      for (int32_t dx = -reach; dx <= reach; ++dx)
        if (pixel(cx + dx, cy + dy) == wanted) return true;
    return false;
  }

  // Pixels of any colour but the background in a box given in diagram units.
  static int ink_between(double left, double bottom, double right, double top) {
    const WindowPoint a = at(left, bottom);
    const WindowPoint b = at(right, top);
    return ink_in(picture(), kBackground, static_cast<int32_t>(a.x), static_cast<int32_t>(a.y),
                  static_cast<int32_t>(b.x), static_cast<int32_t>(b.y));
  }

  // Pixels of exactly `wanted` in a box given in diagram units.
  static int count_between(const Colour& wanted, double left, double bottom, double right,
                           double top) {
    const WindowPoint a = at(left, bottom);
    const WindowPoint b = at(right, top);
    int count = 0;
    for (auto y = static_cast<int32_t>(a.y); y <= static_cast<int32_t>(b.y); ++y)
      for (auto x = static_cast<int32_t>(a.x); x <= static_cast<int32_t>(b.x); ++x)
        if (pixel(x, y) == wanted) ++count;
    return count;
  }

  MessageLog log;

 private:
  struct Records {
    Vector_Punts points{};
    Vector_Graella grid{};
    Vector_Punts_PC components{};
  };
  std::unique_ptr<Records> records_ = std::make_unique<Records>();
};

}  // namespace plot::testing
