// The renderer's own methods through the C interface, as a host calls them.
#include <gtest/gtest.h>

#include <limits>

#include "plot_logratio_records.h"
#include "plot_plugin.h"
#include "plot_variants.h"
#include "tormin_viewer.h"

namespace plot::testing {
namespace {

// A renderer made by the host, initialised on an off-screen surface from two observations.
class TorminRenderer : public ::testing::Test {
 protected:
  void SetUp() override {
    viewer_.write({}, {{{1, 2, 3, 4}}, {{2, 3, 4, 5}}});
    ASSERT_EQ(plot_create("COpenGL_alr_3D", &renderer_, &error_), 0) << error_.text;
    const plot_variant arguments[2] = {plot_variant_i4(0),
                                       plot_variant_i4(plot_offscreen_device_context(400, 300))};
    plot_variant result{};
    ASSERT_EQ(plot_call(renderer_, "Initialize", arguments, 2, &result, &error_), 0);
    ASSERT_EQ(result.value.boolean, PLOT_TRUE);
  }
  void TearDown() override { plot_release(renderer_); }

  int32_t call(const char* method, const plot_variant* arguments, int32_t count) {
    return plot_call(renderer_, method, arguments, count, nullptr, &error_);
  }

  TorminViewer viewer_;
  plot_object* renderer_ = nullptr;
  plot_error error_{};
};

TEST_F(TorminRenderer, CalculDadesReadsTheHostsArrayRowByRowWithinItsBounds) {
  // Row 1's fourth part is zero: read row by row that is a zero divisor; read column by
  // column the zero would be row 2's second part, a zero numerator.
  const double zero_divisor[2][4] = {{1, 1, 1, 0}, {1, 1, 1, 1}};
  const double fine[2][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}};
  struct Case {
    const char* what;
    plot_variant argument;
    int32_t error;
  };
  // Bounds no host can fill, without the items: refused before any room is taken for them.
  constexpr int32_t kLeast = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMost = std::numeric_limits<int32_t>::max();
  const Case cases[] = {
      {"rows 1 To 2", plot_variant_r8_array2(1, 2, 1, 4, &fine[0][0]), 0},
      {"a zero divisor", plot_variant_r8_array2(1, 2, 1, 4, &zero_divisor[0][0]), 11},
      {"rows 0 To 1 lack row 2", plot_variant_r8_array2(0, 1, 1, 4, &fine[0][0]), 9},
      {"columns 1 To 3 lack the fourth part", plot_variant_r8_array2(1, 2, 1, 3, &fine[0][0]), 9},
      {"one number", plot_variant_r8(0), 13},
      {"2^31 rows of four, no items", plot_variant_r8_array2(1, kMost, 1, 4, nullptr), 5},
      {"2^32 rows of 2^32, no items", plot_variant_r8_array2(kLeast, kMost, kLeast, kMost, nullptr),
       5},
  };
  for (const Case& c : cases) EXPECT_EQ(call("Calcul_Dades", &c.argument, 1), c.error) << c.what;
}

TEST_F(TorminRenderer, PassarPuntsTakesItsRecordAndNamesOneAndTwo) {
  auto record = std::make_unique<Vector_Punts_Tormin>();
  const plot_string names[2] = {{"a", 1}, {"b", 1}};
  plot_variant arguments[2] = {
      plot_variant_record(PLOT_VECTOR_PUNTS_TORMIN_NAME, record.get(), sizeof(*record)),
      plot_variant_strings(1, 2, names)};
  EXPECT_EQ(call("Passar_Punts", arguments, 2), 0) << error_.text;
  arguments[1] = plot_variant_strings(1, 1, names);
  EXPECT_EQ(call("Passar_Punts", arguments, 2), 9);
}

}  // namespace
}  // namespace plot::testing
