// mostrar as a host calls it, through the C interface: failures reach the host with no window,
// and the level's text is the plug-in's own copy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plot_plugin.h"
#include "support/host_call.h"
#include "vornc_viewer.h"

namespace plot::testing {
namespace {

class VorncInterface : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(plot_create("CDades_VORN_C", &data_, nullptr), 0);
    for (int g = 1; g <= 10; ++g) v.set_group(g, 0.1 + 0.08 * g, 0.3, 0.03);
  }
  void TearDown() override { plot_release(data_); }

  void put(const char* property, plot_variant value) {
    EXPECT_EQ(plot_put(data_, property, &value, nullptr), 0) << property;
  }

  int32_t mostrar(plot_string alpha, int32_t lower = 1, int32_t upper = 3) {
    if (ViewerForm* form = plugin_definition().existing_form()) form->window().unload();
    v.groups().alpha = alpha;
    std::vector<plot_string> names;
    plot_variant arguments[2] = {plot_variant_record(PLOT_VECTOR_PUNTS_VORN_C_NAME, &v.groups(),
                                                     sizeof(Vector_Punts_VORN_C)),
                                 names_argument(lower, upper, names)};
    return call_mostrar(data_, arguments, 2);
  }

  VorncViewer v;
  plot_object* data_ = nullptr;
  static constexpr plot_string kLevel = {"0.9", 3};
};

TEST_F(VorncInterface, FailuresReachTheHost) {
  struct Case {
    const char* what;
    int16_t groups;
    bool formes;
    plot_string alpha;
    int32_t lower, upper;
    int32_t error;
  };
  for (const Case& c : {
           Case{"ten groups, dots", 10, false, kLevel, 1, 3, 0},
           Case{"ten groups, markers", 10, true, kLevel, 1, 3, 0},
           Case{"eleven groups, dots", 11, false, kLevel, 1, 3, 9},
           Case{"eleven groups, markers", 11, true, kLevel, 1, 3, 9},
           Case{"no groups", 0, false, kLevel, 1, 3, 0},
           Case{"coor 0 To 2", 2, false, kLevel, 0, 2, 9},
           Case{"coor 2 To 4", 2, false, kLevel, 2, 4, 9},
           Case{"empty alpha", 2, false, {nullptr, 0}, 1, 3, 0},
           Case{"alpha of negative length", 2, false, {"x", -1}, 1, 3, 5},
           Case{"alpha with a length and no text", 2, false, {nullptr, 4}, 1, 3, 5},
       }) {
    put("nGrups", plot_variant_i2(c.groups));
    put("formes", plot_variant_bool(c.formes));
    EXPECT_EQ(mostrar(c.alpha, c.lower, c.upper), c.error) << c.what;
  }
}

TEST_F(VorncInterface, TheLevelIsCopiedOutOfTheHostsMemory) {
  std::string text = "0.99";
  ASSERT_EQ(mostrar({text.data(), 4}), 0);
  text = "XXXX";  // the host reuses its text once mostrar returns
  EXPECT_EQ(v.renderer().records().alpha, "0.99");
  EXPECT_NE(v.renderer().records().groups.alpha.data, text.data());
  EXPECT_EQ(std::string(v.renderer().records().groups.alpha.data, 4), "0.99");
}

}  // namespace
}  // namespace plot::testing
