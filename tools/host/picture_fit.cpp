#include "picture_fit.h"

#include <png.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kMargin = 6;      // pixels of background kept beyond the outermost ink
constexpr int kWideFactor = 4;  // a picture this many heights wide shows every side text
constexpr int kMostZoomSteps = 8;

struct Snapshot {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> rgb;  // 0xRRGGBB, rows top first
  uint32_t background = 0;    // the most frequent colour
  bool ink(int x, int y) const {
    return rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x)] != background;
  }
};

// A private folder for the snapshots, removed with it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "plot-host-fit-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("cannot make a temporary folder to lay the picture out");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  fs::path file() const { return path_ / "picture.png"; }

 private:
  fs::path path_;
};

Snapshot snapshot(const PluginApi& api, const fs::path& file) {
  plot_error error{};
  if (api.viewer_write_png(file.c_str(), &error) != 0)
    throw std::runtime_error(std::string("cannot read the picture back: ") + error.text);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  std::vector<uint8_t> bytes;
  if (png_image_begin_read_from_file(&image, file.c_str())) {
    image.format = PNG_FORMAT_RGB;
    bytes.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) bytes.clear();
  }
  if (bytes.empty()) throw std::runtime_error("cannot read the picture back");
  Snapshot s;
  s.width = static_cast<int>(image.width);
  s.height = static_cast<int>(image.height);
  s.rgb.resize(bytes.size() / 3);
  std::map<uint32_t, std::size_t> counts;
  for (std::size_t i = 0; i < s.rgb.size(); ++i) {
    s.rgb[i] = static_cast<uint32_t>(bytes[3 * i] << 16 | bytes[3 * i + 1] << 8 | bytes[3 * i + 2]);
    ++counts[s.rgb[i]];
  }
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

void resize(const PluginApi& api, int width, int height) {
  plot_error error{};
  if (api.viewer_resize(width, height, &error) != 0)
    throw std::runtime_error(std::string("cannot resize the picture: ") + error.text);
}

}  // namespace

bool fit_picture(const PluginApi& api, bool three_d, int scale) {
  const ScratchFolder scratch;
  Snapshot shown = snapshot(api, scratch.file());
  // A text whose place is outside the view is not drawn at all, so a clean edge proves nothing
  // in 2D, where the places are fixed; a 3D view is stepped back until its edges are clean.
  if (three_d) {
    int steps = 0;
    while (!clean_edges(shown) && steps < kMostZoomSteps) {
      api.click("dec_zoom");
      ++steps;
      shown = snapshot(api, scratch.file());
    }
    if (steps > 0)
      std::printf("zoomed out %d step%s so that the picture holds the whole plot\n", steps,
                  steps == 1 ? "" : "s");
    if (clean_edges(shown)) return true;
  }
  const int width = shown.width / scale;
  const int height = shown.height / scale;
  resize(api, kWideFactor * std::max(width, height), height);
  const int needed = (width_for_ink(snapshot(api, scratch.file())) + scale - 1) / scale;
  if (needed > width) {
    resize(api, needed, height);
    std::printf("widened the picture to %dx%d so that no text is cut\n", needed, height);
  } else {
    resize(api, width, height);
  }
  return clean_top_and_bottom(snapshot(api, scratch.file()));
}
