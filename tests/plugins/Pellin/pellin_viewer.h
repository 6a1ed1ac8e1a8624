#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "alr_form.h"
#include "cdades_alr.h"
#include "core/com/plugin_definition.h"
#include "core/errors/runtime_error.h"
#include "core/offscreen_gl_fixture.h"
#include "support/message_log.h"
#include "support/projection.h"

namespace plot::testing {

using Colour = std::array<int, 3>;

inline constexpr Colour kWhite = {255, 255, 255};
inline constexpr Colour kBlack = {0, 0, 0};
inline constexpr Colour kBlue = {0, 0, 255};
inline constexpr uint8_t kBackground[3] = {255, 255, 255};

// One Pellin plot shown off screen through CDades_ALR, as the host would show it.
class PellinViewer {
 public:
  // Each case starts with the viewer closed, as a user would leave it.
  PellinViewer() {
    if (ViewerForm* f = FormSlot<alr>::existing(); f != nullptr && f->shown())
      f->window().user_close();
  }

  pellin::Vector_Punts_arl& record() { return *record_; }
  CDades_ALR data;
  StringArray coor{1, {"X", "Y"}};

  pellin::Punt& add(double x, double y, std::array<float, 3> colour, int16_t forma = 1) {
    pellin::Punt& p = record_->Punts[record_->long_++];
    p = {x, y, {{colour[0], colour[1], colour[2]}}, forma};
    return p;
  }

  void show() { data.mostrar(*record_, coor); }

  // The run-time error number mostrar raised, 0 for none.
  int32_t show_error() {
    try {
      show();
    } catch (const RuntimeError& e) {
      return e.code();
    }
    return 0;
  }

  static ViewerForm& form() { return *FormSlot<alr>::existing(); }
  static const Image& picture() { return form().last_picture(); }

  static WindowPoint at(double x, double y, double z = 0) {
    const Image& image = picture();
    return project(profile_of(PluginKind::Pellin), 15, image.width, image.height, {x, y, z});
  }

  // The colour at a window point (x right, y up).
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

  // Whether any pixel within `reach` pixels of a model point has the colour: thin lines fall
  // on either side of a projected position.
  static bool colour_near(double x, double y, const Colour& wanted, int reach = 1) {
    const WindowPoint w = at(x, y);
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx)
        if (pixel(w.x + dx, w.y + dy) == wanted) return true;
    return false;
  }

  // Pixels drawn in a box given in model units.
  static int ink_between(double left, double bottom, double right, double top) {
    const WindowPoint a = at(left, bottom);
    const WindowPoint b = at(right, top);
    return ink_in(picture(), kBackground, static_cast<int32_t>(a.x), static_cast<int32_t>(a.y),
                  static_cast<int32_t>(b.x), static_cast<int32_t>(b.y));
  }

  MessageLog log;

 private:
  std::unique_ptr<pellin::Vector_Punts_arl> record_ = std::make_unique<pellin::Vector_Punts_arl>();
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
