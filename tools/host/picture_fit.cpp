#include "picture_fit.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kMargin = 6;      // pixels of background kept beyond the outermost ink
constexpr int kWideFactor = 4;  // a picture this many heights wide shows every side text
constexpr int kMostZoomSteps = 8;
constexpr int kWidestSurface = 4096;  // the plug-ins' largest picture, in pixels

struct Snapshot {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // rows top first
  uint32_t background = 0;   // the most frequent colour of the outer rows and columns
  uint32_t colour(int x, int y) const {
    const uint8_t* c =
        rgb.data() + 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                          static_cast<std::size_t>(x));
    return static_cast<uint32_t>(c[0] << 16 | c[1] << 8 | c[2]);
  }
  bool ink(int x, int y) const { return colour(x, y) != background; }
};

Snapshot snapshot(const PluginApi& api) {
  Snapshot s;
  const int32_t bytes = api.viewer_picture(nullptr, 0, &s.width, &s.height);
  if (bytes <= 0) throw std::runtime_error("no picture on show to lay out");
  s.rgb.resize(static_cast<std::size_t>(bytes));
  api.viewer_picture(s.rgb.data(), bytes, &s.width, &s.height);
  std::unordered_map<uint32_t, int> counts;
  for (int x = 0; x < s.width; ++x) ++counts[s.colour(x, 0)], ++counts[s.colour(x, s.height - 1)];
  for (int y = 0; y < s.height; ++y) ++counts[s.colour(0, y)], ++counts[s.colour(s.width - 1, y)];
  s.background = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                   return a.second < b.second;
                 })->first;
  return s;
}

bool ink_in_rows(const Snapshot& s, std::initializer_list<int> rows) {
  for (int y : rows)
    for (int x = 0; x < s.width; ++x)
      if (s.ink(x, y)) return true;
  return false;
}

bool ink_in_columns(const Snapshot& s, std::initializer_list<int> columns) {
  for (int x : columns)
    for (int y = 0; y < s.height; ++y)
      if (s.ink(x, y)) return true;
  return false;
}

bool clean_top_and_bottom(const Snapshot& s) {
  return !ink_in_rows(s, {0, s.height - 1});
}

bool clean_edges(const Snapshot& s) {
  return clean_top_and_bottom(s) && !ink_in_columns(s, {0, s.width - 1});
}

// The width that holds every column of ink of a picture drawn wide enough, centred as drawn.
int width_for_ink(const Snapshot& wide) {
  const int centre = wide.width / 2;
  int reach = 0;
  for (int x = 0; x < wide.width; ++x)
    for (int y = 0; y < wide.height; ++y)
      if (wide.ink(x, y)) {
        reach = std::max(reach, x < centre ? centre - x : x - centre + 1);
        break;
      }
  return 2 * (reach + kMargin);
}

// Resizes the viewer and waits for a window to take the size (a window is resized by the X
// server, off screen at once).
void resize(const PluginApi& api, int width, int height, int scale) {
  plot_error error{};
  if (api.viewer_resize(width, height, &error) != 0)
    throw std::runtime_error(std::string("cannot resize the picture: ") + error.text);
  constexpr int kMostWaits = 50;
  constexpr double kWaitSeconds = 0.02;
  api.ui_wait(std::numeric_limits<double>::quiet_NaN());
  for (int i = 0; i < kMostWaits; ++i) {
    int32_t shown_width = 0;
    int32_t shown_height = 0;
    api.viewer_picture(nullptr, 0, &shown_width, &shown_height);
    if (shown_width == width * scale && shown_height == height * scale) return;
    api.ui_wait(kWaitSeconds);
  }
}

}  // namespace

bool fit_picture(const PluginApi& api, bool three_d, int scale) {
  // A text whose place is outside the view is not drawn at all, so a clean edge proves nothing
  // in 2D, where the places are fixed; a 3D view is stepped back until its edges are clean.
  if (three_d) {
    Snapshot shown = snapshot(api);
    int steps = 0;
    while (!clean_edges(shown) && steps < kMostZoomSteps) {
      api.click("dec_zoom");
      ++steps;
      shown = snapshot(api);
    }
    if (steps > 0)
      std::printf("zoomed out %d step%s so that the picture holds the whole plot\n", steps,
                  steps == 1 ? "" : "s");
    if (clean_edges(shown)) return true;
  }
  const Snapshot shown = snapshot(api);
  const int width = shown.width / scale;
  const int height = shown.height / scale;
  resize(api, std::max(width, std::min(kWideFactor * height, kWidestSurface / scale)), height,
         scale);
  const Snapshot wide = snapshot(api);
  const int needed = std::min((width_for_ink(wide) + scale - 1) / scale, kWidestSurface / scale);
  if (needed > width) {
    resize(api, needed, height, scale);
    std::printf("widened the picture to %dx%d so that no text is cut\n", needed, height);
  } else {
    resize(api, width, height, scale);
  }
  return clean_top_and_bottom(wide);
}
