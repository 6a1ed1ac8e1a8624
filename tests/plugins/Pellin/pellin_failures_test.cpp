// Failures reach the host as the run-time error of mostrar, and the window is then not shown.
#include <gtest/gtest.h>

#include "pellin_viewer.h"

namespace plot::testing {
namespace {

constexpr int32_t kSubscript = 9;
constexpr int32_t kOverflow = 6;

TEST(PellinFailures, CountsBeyondTheArrayOrAtTheSmallestValueFailInBothModes) {
  struct Case {
    int16_t long_;
    int32_t error;
  };
  for (const bool markers : {false, true})
    for (const Case c : {Case{502, kSubscript}, Case{32767, kSubscript}, Case{-32768, kOverflow}}) {
      PellinViewer v;
      v.data.formes = markers;
      v.record().long_ = c.long_;
      EXPECT_EQ(v.show_error(), c.error) << markers << " " << c.long_;
      EXPECT_FALSE(v.form().shown());
    }
}

TEST(PellinFailures, DotLegendBeyondTheColourTableFailsWhereTheMarkerLegendGoesWithoutMarks) {
  {
    PellinViewer v;
    v.data.nGrups = 11;
    EXPECT_EQ(v.show_error(), kSubscript);
    EXPECT_FALSE(v.form().shown());
  }
  // Marker shapes end at 10: the eleventh entry is its text alone.
  PellinViewer v;
  v.data.formes = true;
  v.data.nGrups = 11;
  ASSERT_EQ(v.show_error(), 0);
  ASSERT_TRUE(v.form().shown());
  const double y = 1 - 0.08 * 10;
  EXPECT_EQ(v.ink_between(1.18, y - 0.012, 1.22, y + 0.012), 0);
  EXPECT_GT(v.ink_between(1.25, y - 0.04, 1.45, y + 0.03), 20);
}

TEST(PellinFailures, CoordinateNamesNeedElementsOneAndTwo) {
  struct Case {
    int32_t lower;
    std::vector<std::string> names;
    int32_t error;
  };
  const Case cases[] = {
      {1, {"a"}, kSubscript}, {0, {"a", "b"}, kSubscript}, {2, {"a", "b"}, kSubscript},
      {0, {}, kSubscript},    {1, {"a", "b", "c"}, 0},     {0, {"z", "a", "b", "c", "d", "e"}, 0},
  };
  for (const Case& c : cases) {
    PellinViewer v;
    v.coor = StringArray(c.lower, c.names);
    EXPECT_EQ(v.show_error(), c.error) << c.lower << " with " << c.names.size();
    EXPECT_EQ(v.form().shown(), c.error == 0);
  }
}

}  // namespace
}  // namespace plot::testing
