#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "core/com/variant.h"
#include "core/errors/checked_int16.h"
#include "core/errors/fixed_array.h"
#include "plot_variants.h"

namespace plot {
namespace {

int error_of(const std::function<void()>& body) {
  try {
    body();
  } catch (const RuntimeError& e) {
    return e.code();
  }
  return 0;
}

TEST(RuntimeChecks, SixteenBitArithmeticOverflowsInsteadOfWrapping) {
  EXPECT_EQ(sub16(0, 1), -1);
  EXPECT_EQ(error_of([] { sub16(-32768, 1); }), 6);
  EXPECT_EQ(error_of([] { add16(32767, 1); }), 6);
  EXPECT_EQ(error_of([] { mul16(200, 200); }), 6);
  EXPECT_EQ(round_to_int16(12.5), 12);
  EXPECT_EQ(round_to_int16(37.5), 38);
  EXPECT_EQ(round_to_int16(-32768.4), -32768);
  EXPECT_EQ(error_of([] { round_to_int16(32767.5); }), 6);
  EXPECT_EQ(error_of([] { round_to_int16(std::nan("")); }), 6);
}

TEST(RuntimeChecks, FixedBoundsAreCheckedOnBothEnds) {
  FixedArray<int, 1, 3> names;
  names(1) = 4;
  names(3) = 5;
  EXPECT_EQ(names(1) + names(3), 9);
  EXPECT_EQ(error_of([&] { names(0); }), 9);
  EXPECT_EQ(error_of([&] { names(4); }), 9);
  int raw[501] = {};
  EXPECT_EQ(error_of([&] { element(raw, 500) = 1; }), 0);
  EXPECT_EQ(error_of([&] { element(raw, 501); }), 9);
  EXPECT_EQ(error_of([&] { element(raw, -1); }), 9);
}

TEST(RuntimeChecks, VariantsCoerceLikeTheHost) {
  EXPECT_EQ(error_of([&] { as_int16(plot_variant_i4(40000)); }), 6);
  EXPECT_EQ(as_int16(plot_variant_i4(-7)), -7);
  EXPECT_EQ(as_int16(plot_variant_r8(2.5)), 2);
  EXPECT_EQ(as_int32(plot_variant_r8(2.5)), 2);
  EXPECT_TRUE(as_boolean(plot_variant_bool(true)));
  EXPECT_EQ(as_double(plot_variant_bool(true)), -1);
  const plot_variant ten = plot_variant_text("10");
  EXPECT_EQ(as_string(ten), "10");
  EXPECT_EQ(error_of([&] { as_int16(ten); }), 13);
  EXPECT_EQ(error_of([&] { as_strings(ten); }), 13);
  EXPECT_EQ(error_of([&] { as_string(plot_variant_string(nullptr, 3)); }), 5);
}

TEST(RuntimeChecks, StringArraysKeepTheHostsBounds) {
  const plot_string items[] = {{"a", 1}, {"b", 1}, {"c", 1}};
  plot_variant v = plot_variant_strings(0, 2, items);
  const StringArray zero_based = as_strings(v);
  EXPECT_EQ(zero_based(2), "c");
  EXPECT_EQ(error_of([&] { zero_based(3); }), 9);
  v.value.strings = {1, 3, items};
  EXPECT_EQ(as_strings(v)(3), "c");
  v.value.strings = {1, 0, nullptr};  // an empty array
  EXPECT_EQ(error_of([&] { as_strings(v)(1); }), 9);
  v.value.strings = {5, 1, items};  // upper far below lower
  EXPECT_EQ(error_of([&] { as_strings(v); }), 5);
}

TEST(RuntimeChecks, StringArraysAtTheEndsOfTheIntegerRange) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const plot_string items[] = {{"a", 1}, {"b", 1}, {"c", 1}};
  plot_variant v = plot_variant_strings(kMin, kMin + 2, items);
  EXPECT_EQ(as_strings(v)(kMin + 2), "c");
  v.value.strings = {kMax, kMax, items};
  EXPECT_EQ(as_strings(v)(kMax), "a");
  v.value.strings = {kMax, kMin, items};
  EXPECT_EQ(error_of([&] { as_strings(v); }), 5);
}

TEST(RuntimeChecks, VariantTagsOutsideTheTypesAreTypeMismatches) {
  for (const int32_t tag : {255, -1, 99, 13}) {
    plot_variant v{};
    std::memcpy(&v.type, &tag, sizeof tag);
    for (const auto& read : std::initializer_list<std::function<void()>>{
             [&] { as_int16(v); }, [&] { as_int32(v); }, [&] { as_single(v); },
             [&] { as_double(v); }, [&] { as_boolean(v); }, [&] { as_string(v); },
             [&] { as_strings(v); }})
      EXPECT_EQ(error_of(read), 13) << tag;
  }
}

}  // namespace
}  // namespace plot
