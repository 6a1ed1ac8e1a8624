// biplot.so driven the way a host drives it: dlopen, the C interface and the shared header.
// Every failure comes back from mostrar with its run-time error, and no window is shown.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plot_biplot_records.h"
#include "plot_plugin.h"
#include "support/host_call.h"
#include "support/loaded_plugin.h"

namespace {

constexpr int32_t kInvalidCall = 5;
constexpr int32_t kOverflow = 6;
constexpr int32_t kSubscript = 9;

struct Records {
  Vector_Punts_bi observations{};
  Vector_Linies rays{};
};

class BiplotLibrary : public plot::testing::LibraryTest {
 protected:
  BiplotLibrary() : LibraryTest("biplot") {}

  // A fresh CDades_biplot with `observation` and the given flags, then mostrar.
  int32_t show(Records& records, int32_t lower, int32_t upper,
               const std::vector<std::pair<const char*, plot_variant>>& flags) {
    plot_object* data = nullptr;
    EXPECT_EQ(plugin_->create("CDades_biplot", &data, &error_), 0) << error_.text;
    for (const auto& [name, value] : flags)
      EXPECT_EQ(plugin_->put(data, name, &value, &error_), 0) << name;
    const std::vector<plot_string> coor(static_cast<std::size_t>(upper - lower + 1), {"c", 1});
    const plot_variant arguments[3] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_BI_NAME, &records.observations,
                            sizeof(Vector_Punts_bi)),
        plot_variant_record(PLOT_VECTOR_LINIES_NAME, &records.rays, sizeof(Vector_Linies)),
        plot_variant_strings(lower, upper, coor.data())};
    const int32_t result = plugin_->call(data, "mostrar", arguments, 3, nullptr, &error_);
    plugin_->release(data);
    return result;
  }
};

TEST_F(BiplotLibrary, FailuresComeBackFromMostrarWithNoWindow) {
  struct Case {
    const char* what;
    std::function<void(Records&)> change;
    bool formes;
    int16_t nGrups;
    int32_t lower, upper;  // of coor
    int32_t error;
  };
  const Case cases[] = {
      {"501 observations", [](Records& r) { r.observations.long_ = 501; }, false, 0, 1, 3, 0},
      {"502 observations", [](Records& r) { r.observations.long_ = 502; }, false, 0, 1, 3,
       kSubscript},
      {"observations -32768", [](Records& r) { r.observations.long_ = -32768; }, true, 0, 1, 3,
       kOverflow},
      {"22 rays", [](Records& r) { r.rays.long_ = 22; }, false, 0, 1, 3, kSubscript},
      {"rays -32768", [](Records& r) { r.rays.long_ = -32768; }, false, 0, 1, 3, kOverflow},
      {"rang 20", [](Records& r) { r.rays.rang = 20; }, false, 0, 1, 3, 0},
      {"rang 21", [](Records& r) { r.rays.rang = 21; }, false, 0, 1, 3, kSubscript},
      {"colour legend of 11", [](Records&) {}, false, 11, 1, 3, kSubscript},
      {"shape legend of 11", [](Records&) {}, true, 11, 1, 3, 0},
      {"coor 0 To 5", [](Records&) {}, false, 0, 0, 5, 0},
      {"coor 0 To 2", [](Records&) {}, false, 0, 0, 2, kSubscript},
      {"name of negative length",
       [](Records& r) {
         r.rays.nomeixos[20] = {"x", -1};
       },
       false, 0, 1, 3, kInvalidCall},
      {"name without bytes",
       [](Records& r) {
         r.rays.nomeixos[3] = {nullptr, 2};
       },
       false, 0, 1, 3, kInvalidCall},
  };
  for (const Case& c : cases) {
    auto records = std::make_unique<Records>();
    c.change(*records);
    const int32_t result = show(*records, c.lower, c.upper,
                                {{"observation", plot_variant_bool(true)},
                                 {"formes", plot_variant_bool(c.formes)},
                                 {"nGrups", plot_variant_i2(c.nGrups)}});
    EXPECT_EQ(result, c.error) << c.what;
    EXPECT_EQ(error_.number, c.error) << c.what;
    EXPECT_EQ(plugin_->viewer_shown(), c.error == 0 ? 1 : 0) << c.what;
    plugin_->viewer_close(&error_);
  }
}

}  // namespace
