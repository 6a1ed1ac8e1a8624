// plot_viewer_write and plot_set_picture_scale as a host calls them: what each refuses leaves
// the viewer and the folder as they were.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "plot_plugin.h"
#include "plot_ternary_records.h"
#include "support/loaded_plugin.h"

namespace {

namespace fs = std::filesystem;

// Havrel opens its viewer without data (it reports the missing files and draws the axes).
class PictureWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "plot-write-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    ASSERT_NE(plugin_.handle, nullptr);
    plugin_.set_message_sink([](const char*, void*) {}, nullptr);
  }
  void TearDown() override {
    plugin_.set_picture_scale(1, nullptr);
    plugin_.viewer_close(nullptr);
    fs::remove_all(folder_);
  }

  void open_viewer() {
    plot_object* data = nullptr;
    ASSERT_EQ(plugin_.create("CDades_Havrel", &data, nullptr), 0);
    ASSERT_EQ(plugin_.call(data, "mostrar", nullptr, 0, nullptr, &error_), 0) << error_.text;
    plugin_.release(data);
  }

  std::vector<uint8_t> picture() {
    std::vector<uint8_t> rgb(
        static_cast<std::size_t>(plugin_.viewer_picture(nullptr, 0, nullptr, nullptr)));
    plugin_.viewer_picture(rgb.data(), static_cast<int32_t>(rgb.size()), nullptr, nullptr);
    return rgb;
  }

  std::pair<int32_t, int32_t> picture_size() {
    int32_t w = 0;
    int32_t h = 0;
    plugin_.viewer_picture(nullptr, 0, &w, &h);
    return {w, h};
  }

  plot::testing::LoadedPlugin plugin_{"Havrel", 2};
  plot_error error_{};
  fs::path folder_;
};

TEST_F(PictureWrite, TheExtensionChoosesTheFormatAndAnyOtherWritesNothing) {
  open_viewer();
  struct Case {
    const char* name;
    const char* starts;  // the file's first bytes; none: refused
  };
  const Case cases[] = {
      {"a.svg", "<?xml"}, {"b.PDF", "%PDF"}, {"c.eps", "%!PS-Adobe-3.0 EPSF"}, {"d.png", "\x89PNG"},
      {"e.gif", nullptr}, {"f", nullptr},    {"g.svg.bak", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = folder_ / c.name;
    const int32_t result = plugin_.viewer_write(path.c_str(), &error_);
    if (c.starts == nullptr) {
      EXPECT_EQ(result, 5);
      EXPECT_STREQ(error_.text, "Invalid procedure call or argument");
      EXPECT_FALSE(fs::exists(path));
      continue;
    }
    ASSERT_EQ(result, 0) << error_.text;
    std::string head(std::string(c.starts).size(), '\0');
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fread(head.data(), 1, head.size(), file), head.size());
    std::fclose(file);
    EXPECT_EQ(head, c.starts);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 4)
      << "no temporary file left";
}

// mostrar of the ternary diagram with `count` points and the names A, B, C: its result.
int32_t show_ternary(plot::testing::LoadedPlugin& ternary, int16_t count, plot_error& error) {
  auto points = std::make_unique<Vector_Punts>();
  auto grid = std::make_unique<Vector_Graella>();
  auto components = std::make_unique<Vector_Punts_PC>();
  points->long_ = count;
  for (int i = 0; i < std::min<int>(count, PLOT_MAX_POINTS); ++i)
    points->Punts[i] = {0.2 + 0.001 * i, 0.2, {0, 0, 1}, static_cast<int16_t>(i % 10 + 1)};
  const plot_string names[3] = {{"A", 1}, {"B", 1}, {"C", 1}};
  plot_variant arguments[4] = {};
  arguments[0].type = arguments[1].type = arguments[2].type = PLOT_RECORD;
  arguments[0].value.record = {PLOT_VECTOR_PUNTS_NAME, points.get(), sizeof(Vector_Punts)};
  arguments[1].value.record = {PLOT_VECTOR_GRAELLA_NAME, grid.get(), sizeof(Vector_Graella)};
  arguments[2].value.record = {PLOT_VECTOR_PUNTS_PC_NAME, components.get(),
                               sizeof(Vector_Punts_PC)};
  arguments[3].type = PLOT_STRINGS;
  arguments[3].value.strings = {1, 3, names};
  plot_object* data = nullptr;
  if (ternary.create("CDades_Ternary", &data, &error) != 0) return error.number;
  const int32_t result = ternary.call(data, "mostrar", arguments, 4, nullptr, &error);
  ternary.release(data);
  return result;
}

TEST_F(PictureWrite, AViewerWhoseSceneFailedGivesThePngsMessage) {
  plot::testing::LoadedPlugin ternary("ternary", 2);
  ASSERT_NE(ternary.handle, nullptr);
  ternary.viewer_close(nullptr);
  // Beyond the record's array: the scene raises Subscript out of range.
  ASSERT_EQ(show_ternary(ternary, PLOT_MAX_POINTS + 1, error_), 9);

  plot_error png{};
  EXPECT_EQ(ternary.viewer_write_png((folder_ / "t.png").c_str(), &png), 5);
  for (const char* name : {"t.svg", "t.pdf", "t.eps"}) {
    EXPECT_EQ(ternary.viewer_write((folder_ / name).c_str(), &error_), 5);
    EXPECT_STREQ(error_.text, png.text) << name;
  }
  EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(PictureWrite, AScaleOutsideOneToFourOrTheSurfaceChangesNothing) {
  open_viewer();
  ASSERT_EQ(plugin_.viewer_resize(3000, 2000, &error_), 0) << error_.text;
  const auto before = picture_size();
  ASSERT_EQ(before, std::make_pair(3000, 2000));
  struct Case {
    int32_t scale;
    const char* says;
  };
  const Case cases[] = {
      {0, "picture scale 0 is outside 1 to 4"},
      {5, "picture scale 5 is outside 1 to 4"},
      // Beyond llvmpipe's 4096 x 4096, and any driver's 8192 x 4096 pixels in all.
      {2, "3000 x 2000 at picture scale 2, 6000 x 4000 pixels, is beyond the largest surface"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(plugin_.set_picture_scale(c.scale, &error_), 5) << c.scale;
    EXPECT_NE(std::string(error_.text).find(c.says), std::string::npos) << error_.text;
    EXPECT_EQ(picture_size(), before) << c.scale;
  }
  // A scale it takes applies to the viewer on show and to its resizes.
  ASSERT_EQ(plugin_.viewer_resize(400, 300, &error_), 0);
  ASSERT_EQ(plugin_.set_picture_scale(3, &error_), 0) << error_.text;
  EXPECT_EQ(picture_size(), std::make_pair(1200, 900));
  EXPECT_EQ(plugin_.viewer_resize(4000, 3000, &error_), 5) << "12000 x 9000 pixels";
  EXPECT_EQ(picture_size(), std::make_pair(1200, 900));
}

TEST_F(PictureWrite, AViewerRescaledOnShowDrawsWhatOneOpenedAtThatScaleDraws) {
  plot::testing::LoadedPlugin ternary("ternary", 2);
  ASSERT_NE(ternary.handle, nullptr);
  ternary.set_message_sink([](const char* text, void*) { ADD_FAILURE() << text; }, nullptr);
  const auto picture = [&] {
    std::vector<uint8_t> rgb(
        static_cast<std::size_t>(ternary.viewer_picture(nullptr, 0, nullptr, nullptr)));
    ternary.viewer_picture(rgb.data(), static_cast<int32_t>(rgb.size()), nullptr, nullptr);
    return rgb;
  };
  ASSERT_EQ(show_ternary(ternary, 50, error_), 0) << error_.text;
  ASSERT_EQ(ternary.set_picture_scale(2, &error_), 0) << error_.text;
  const std::vector<uint8_t> rescaled = picture();
  ASSERT_EQ(ternary.viewer_close(&error_), 0);
  ASSERT_EQ(show_ternary(ternary, 50, error_), 0) << error_.text;
  const std::vector<uint8_t> opened = picture();
  ternary.set_picture_scale(1, nullptr);
  ternary.viewer_close(nullptr);
  // The client area is 917 x 734.
  ASSERT_EQ(opened.size(), std::size_t{917} * 2 * 734 * 2 * 3);
  EXPECT_TRUE(rescaled == opened);
}

}  // namespace
