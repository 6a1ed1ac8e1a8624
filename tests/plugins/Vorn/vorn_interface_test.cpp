// mostrar as a host calls it, through the C interface: every failure reaches the host and no
// window shows; a close lets the renderer go at once.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "plot_plugin.h"
#include "support/host_call.h"
#include "vorn_viewer.h"

namespace plot::testing {
namespace {

class VornInterface : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(plot_create("CDades_vorn", &data_, nullptr), 0);
    three_full_regions();
  }
  void TearDown() override { plot_release(data_); }

  // Nested circles of 101 points a branch, as the host's regions come.
  void three_full_regions() {
    v.regions().nNivells = 3;
    for (int k = 1; k <= 3; ++k) {
      Vector_Punts_VORN& r = v.regions().VPVORN[k];
      r.long1 = r.long2 = 101;
      for (int i = 0; i < 101; ++i) {
        const double t = M_PI * i / 100;
        const double size = 0.05 * k;
        r.Punts1[i] = {0.5 + size * std::cos(t), 0.3 + size * std::sin(t), {}, 0};
        r.Punts2[i] = {0.5 + size * std::cos(t), 0.3 - size * std::sin(t), {}, 0};
      }
    }
  }

  int32_t mostrar(int32_t lower = 1, int32_t upper = 3, const char* name = PLOT_VECTOR_VORN_NAME) {
    if (ViewerForm* form = plugin_definition().existing_form()) form->window().unload();
    std::vector<plot_string> names;
    plot_variant arguments[2] = {plot_variant_record(name, &v.regions(), sizeof(Vector_VORN)),
                                 names_argument(lower, upper, names)};
    return call_mostrar(data_, arguments, 2);
  }

  VornViewer v;
  plot_object* data_ = nullptr;
};

TEST_F(VornInterface, CountsBeyondTheRecordFailWhileDrawing) {
  struct Case {
    const char* what;
    std::function<void(Vector_VORN&)> change;
    int32_t error;
  };
  const std::vector<Case> cases = {
      {"three full regions", [](Vector_VORN&) {}, 0},
      {"nNivells 4", [](Vector_VORN& r) { r.nNivells = 4; }, 9},
      {"nNivells -1", [](Vector_VORN& r) { r.nNivells = -1; }, 0},
      {"long1 0", [](Vector_VORN& r) { r.VPVORN[2].long1 = 0; }, 9},
      {"long2 0", [](Vector_VORN& r) { r.VPVORN[1].long2 = 0; }, 9},
      {"long1 -5", [](Vector_VORN& r) { r.VPVORN[3].long1 = -5; }, 9},
      {"long2 102", [](Vector_VORN& r) { r.VPVORN[3].long2 = 102; }, 9},
      {"long1 0 beyond nNivells",
       [](Vector_VORN& r) {
         r.nNivells = 2;
         r.VPVORN[3].long1 = 0;
       },
       0},
  };
  for (const Case& c : cases) {
    three_full_regions();
    c.change(v.regions());
    EXPECT_EQ(mostrar(), c.error) << c.what;
  }
}

TEST_F(VornInterface, CoorAndRecordAreChecked) {
  EXPECT_EQ(mostrar(0, 2), 9);
  EXPECT_EQ(mostrar(2, 4), 9);
  EXPECT_EQ(mostrar(1, 3, "Vector_Punts"), 13);
  EXPECT_EQ(mostrar(0, 3), 0);
}

// The observations come as an optional third argument: left out or empty, none; a `long`
// outside 0 to 501 is refused before any window.
TEST_F(VornInterface, ObservationsAreAnOptionalThirdArgument) {
  struct Case {
    const char* what;
    int16_t count;
    const char* record;
    int32_t error;
  };
  const Case cases[] = {
      {"501 points", 501, PLOT_VECTOR_PUNTS_NAME, 0},   {"none", 0, PLOT_VECTOR_PUNTS_NAME, 0},
      {"long 502", 502, PLOT_VECTOR_PUNTS_NAME, 9},     {"long -1", -1, PLOT_VECTOR_PUNTS_NAME, 9},
      {"another record", 1, PLOT_VECTOR_VORN_NAME, 13}, {"an empty variant", 0, nullptr, 0},
  };
  auto observations = std::make_unique<Vector_Punts>();
  std::vector<plot_string> names;
  for (const Case& c : cases) {
    if (ViewerForm* form = plugin_definition().existing_form()) form->window().unload();
    observations->long_ = c.count;
    plot_variant arguments[3] = {
        plot_variant_record(PLOT_VECTOR_VORN_NAME, &v.regions(), sizeof(Vector_VORN)),
        names_argument(1, 3, names),
        c.record == nullptr
            ? plot_variant{}
            : plot_variant_record(c.record, observations.get(), sizeof(Vector_Punts))};
    EXPECT_EQ(call_mostrar(data_, arguments, 3), c.error) << c.what;
  }
  plugin_definition().existing_form()->window().unload();
  plot_variant too_many[4] = {};
  EXPECT_EQ(call_mostrar(data_, too_many, 4), 5);
}

TEST_F(VornInterface, ClosingReleasesTheRendererWithItsData) {
  ASSERT_EQ(mostrar(), 0);
  EXPECT_EQ(v.renderer().records().regions.VPVORN[3].long2, 101);
  plot_error error{};
  EXPECT_EQ(plot_viewer_close(&error), 0) << error.text;
  EXPECT_EQ(plot_viewer_shown(), 0);
  EXPECT_EQ(plugin_definition().existing_form()->renderer(), nullptr);
  EXPECT_TRUE(v.log.messages.empty());
}

}  // namespace
}  // namespace plot::testing
