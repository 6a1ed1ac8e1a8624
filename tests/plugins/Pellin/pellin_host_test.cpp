// Pellin.so driven the way a host drives it: dlopen, the C interface and the shared header.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "plot_logratio_records.h"
#include "plot_plugin.h"
#include "support/host_call.h"
#include "support/loaded_plugin.h"
#include "support/projection.h"

namespace {

class PellinLibrary : public plot::testing::LibraryTest {
 protected:
  PellinLibrary() : LibraryTest("Pellin") {}
  void SetUp() override {
    LibraryTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(plugin_->create("CDades_ALR", &data_, &error_), 0) << error_.text;
  }
  void TearDown() override {
    if (data_ != nullptr) plugin_->release(data_);
    LibraryTest::TearDown();
  }

  void set(const char* property, plot_variant value) {
    ASSERT_EQ(plugin_->put(data_, property, &value, &error_), 0) << error_.text;
  }

  int32_t mostrar(Vector_Punts_arl& record) {
    const plot_variant arguments[2] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_ARL_NAME, &record, sizeof(record)),
        plot_variant_strings(1, 2, names_)};
    return plugin_->call(data_, "mostrar", arguments, 2, nullptr, &error_);
  }

  // The presented colour at a model point.
  std::vector<uint8_t> colour_at(double x, double y) {
    int32_t w = 0, h = 0;
    std::vector<uint8_t> rgb(static_cast<std::size_t>(plugin_->viewer_picture(nullptr, 0, &w, &h)));
    plugin_->viewer_picture(rgb.data(), static_cast<int32_t>(rgb.size()), &w, &h);
    const auto p =
        plot::testing::project(plot::profile_of(plot::PluginKind::Pellin), 15, w, h, {x, y, 0});
    const auto row = static_cast<std::size_t>(h - 1 - static_cast<int32_t>(p.y));
    const std::size_t at = (row * static_cast<std::size_t>(w) + static_cast<std::size_t>(p.x)) * 3;
    return {rgb[at], rgb[at + 1], rgb[at + 2]};
  }

  plot_object* data_ = nullptr;
  const plot_string names_[2] = {{"alr1", 4}, {"alr2", 4}};
};

// The second mostrar draws into the window the first one opened.
TEST_F(PellinLibrary, ShowsTheHostsRecordInMarkerAndThenDotMode) {
  auto record = std::make_unique<Vector_Punts_arl>();
  record->Punts[0] = {0.5, 0.5, {{1, 0, 0}}, 2};
  record->Punts[1] = {-0.5, -0.5, {{0, 0, 1}}, 10};
  record->long_ = 2;
  set("formes", plot_variant_bool(true));
  ASSERT_EQ(mostrar(*record), 0) << error_.text;
  EXPECT_EQ(plugin_->viewer_shown(), 1);
  EXPECT_EQ(colour_at(0.5, 0.5), (std::vector<uint8_t>{0, 0, 0}));
  EXPECT_EQ(colour_at(-0.5, -0.5), (std::vector<uint8_t>{0, 0, 0}));

  set("formes", plot_variant_bool(false));
  ASSERT_EQ(mostrar(*record), 0) << error_.text;
  EXPECT_EQ(colour_at(0.5, 0.5), (std::vector<uint8_t>{255, 0, 0}));
  EXPECT_EQ(colour_at(-0.5, -0.5), (std::vector<uint8_t>{0, 0, 255}));
}

TEST_F(PellinLibrary, ErrorsComeBackWithTheirNumberAndNoWindow) {
  auto record = std::make_unique<Vector_Punts_arl>();
  record->long_ = 502;
  EXPECT_EQ(mostrar(*record), 9);
  EXPECT_EQ(error_.number, 9);
  EXPECT_STREQ(error_.text, "Subscript out of range");
  EXPECT_EQ(plugin_->viewer_shown(), 0);
}

TEST_F(PellinLibrary, SizesBeyondTheLargestSurfaceAreRefusedAndTheViewerGoesOn) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  auto record = std::make_unique<Vector_Punts_arl>();
  ASSERT_EQ(mostrar(*record), 0) << error_.text;
  const int64_t frames = plugin_->viewer_frames();
  struct Size {
    int32_t width, height;
  };
  for (const Size s : {Size{kMax, 1}, Size{1, kMax}, Size{60000, 60000}}) {
    EXPECT_EQ(plugin_->viewer_resize(s.width, s.height, &error_), 5)
        << s.width << " x " << s.height;
    EXPECT_NE(std::string(error_.text).find("largest"), std::string::npos) << error_.text;
  }
  EXPECT_EQ(plugin_->viewer_frames(), frames);
  ASSERT_EQ(plugin_->viewer_resize(400, 300, &error_), 0);
  EXPECT_GT(plugin_->viewer_frames(), frames);
  int32_t w = 0, h = 0;
  plugin_->viewer_picture(nullptr, 0, &w, &h);
  EXPECT_EQ(w * 1000 + h, 400300);
}

// The axes' half-lengths come from the host: the smallest and largest integers draw.
TEST_F(PellinLibrary, DrawAxesTakesEveryHostInteger) {
  plot_object* renderer = nullptr;
  ASSERT_EQ(plugin_->create("COpenGL_alr", &renderer, &error_), 0);
  const int32_t hdc = plugin_->offscreen_device_context(64, 64);
  const plot_variant handles[2] = {plot_variant_i4(0), plot_variant_i4(hdc)};
  plot_variant initialised{};
  ASSERT_EQ(plugin_->call(renderer, "Initialize", handles, 2, &initialised, &error_), 0);
  ASSERT_EQ(initialised.value.boolean, PLOT_TRUE);
  for (const int32_t extreme :
       {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
    const plot_variant half_lengths[3] = {plot_variant_i4(extreme), plot_variant_i4(extreme),
                                          plot_variant_i4(extreme)};
    EXPECT_EQ(plugin_->call(renderer, "DrawAxes", half_lengths, 3, nullptr, &error_), 0)
        << extreme << ": " << error_.text;
  }
  plugin_->release(renderer);
  plugin_->release_device_context(hdc);
}

}  // namespace
