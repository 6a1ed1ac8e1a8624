#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/errors/runtime_error.h"
#include "core/form/viewer_form.h"
#include "core/offscreen_gl_fixture.h"
#include "support/message_log.h"
#include "support/projection.h"

namespace plot::testing {

using Colour = std::array<int, 3>;

inline constexpr Colour kWhite = {255, 255, 255};
inline constexpr Colour kBlack = {0, 0, 0};
inline constexpr Colour kRed = {255, 0, 0};
inline constexpr Colour kGreen = {0, 255, 0};
inline constexpr Colour kBlue = {0, 0, 255};
inline constexpr uint8_t kBackground[3] = {255, 255, 255};

// What every plot's test viewer shares: the picture its form last presented, read at model
// points projected with the plug-in's camera. `Viewer` gives `form()`, `show()`, its kind,
// field of view and the shift its drawing applies to the model frame.
template <typename Viewer>
class PlotViewer {
 public:
  // The run-time error number mostrar raised, 0 for none.
  int32_t show_error() {
    try {
      static_cast<Viewer*>(this)->show();
    } catch (const RuntimeError& e) {
      return e.code();
    }
    return 0;
  }

  static const Image& picture() { return Viewer::form().last_picture(); }

  // A model point in window coordinates (x right, y up).
  static WindowPoint at(double x, double y, double z = 0) {
    const Image& image = picture();
    const Vec3 shift = Viewer::kShift;
    return project(profile_of(Viewer::kKind), Viewer::kFieldOfView, image.width, image.height,
                   {x + shift.x, y + shift.y, z + shift.z});
  }

  // The colour at a window point.
  static Colour pixel(double wx, double wy) {
    const Image& image = picture();
    const auto column = static_cast<int32_t>(std::floor(wx));
    const auto row = image.height - 1 - static_cast<int32_t>(std::floor(wy));
    const uint8_t* p = image.pixel(column, row);
    return {p[0], p[1], p[2]};
  }

  static Colour colour_at(double x, double y) {
    const WindowPoint w = at(x, y);
    return pixel(w.x, w.y);
  }

  // Whether `wanted` is seen within `reach` pixels of a model point: thin lines fall on either
  // side of a projected position.
  static bool seen_near(double x, double y, const Colour& wanted, int reach = 1) {
    const WindowPoint w = at(x, y);
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx)
        if (pixel(w.x + dx, w.y + dy) == wanted) return true;
    return false;
  }

  // Pixels of any colour but the background in a box given in model units.
  static int ink_between(double left, double bottom, double right, double top) {
    const WindowPoint a = at(left, bottom);
    const WindowPoint b = at(right, top);
    return ink_in(picture(), kBackground, static_cast<int32_t>(a.x), static_cast<int32_t>(a.y),
                  static_cast<int32_t>(b.x), static_cast<int32_t>(b.y));
  }

  // Pixels of exactly `wanted` in a box given in model units.
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
};

// Channels within one step of rounding.
inline ::testing::AssertionResult near_colour(const Colour& seen, const Colour& wanted) {
  for (std::size_t i = 0; i < 3; ++i)
    if (std::abs(seen[i] - wanted[i]) > 1)
      return ::testing::AssertionFailure()
             << "saw (" << seen[0] << ", " << seen[1] << ", " << seen[2] << "), wanted ("
             << wanted[0] << ", " << wanted[1] << ", " << wanted[2] << ")";
  return ::testing::AssertionSuccess();
}

}  // namespace plot::testing
