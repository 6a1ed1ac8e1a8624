#include "ternary_texts.h"

#include <gtest/gtest.h>

#include "core/errors/runtime_error.h"

namespace plot {
namespace {

TEST(TernaryTexts, GridLabelsArePercentagesRoundedHalfToEven) {
  EXPECT_EQ(grid_label(0.125), "12 ");
  EXPECT_EQ(grid_label(0.375), "38 ");
  EXPECT_EQ(grid_label(0.1), "10 ");
  EXPECT_EQ(grid_label(0.3), "30 ");
  EXPECT_EQ(grid_label(-0.005), "0 ");
  EXPECT_EQ(grid_label(327.67), "32767 ");
  try {
    grid_label(327.68);
    ADD_FAILURE() << "no overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), ErrorNumber::Overflow);
  }
}

TEST(TernaryTexts, CoefficientRowsAreTwoBlanksApart) {
  const float pc[6] = {0.5f, -0.25f, 0.1f, -0.6753386f, 1, 0};
  EXPECT_EQ(coefficient_row(pc, 0), "0.5  -0.25  0.1 ");
  EXPECT_EQ(coefficient_row(pc, 3), "-0.6753386  1  0 ");
}

}  // namespace
}  // namespace plot
