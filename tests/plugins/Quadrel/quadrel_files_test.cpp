// The two exchange files as COpenGL_TD_3D.Initialize reads them.
#include <gtest/gtest.h>

#include <string>

#include "quadrel_viewer.h"

namespace plot::testing {
namespace {

using std::filesystem::exists;

std::string rows(int count) {
  std::string text;
  for (int r = 0; r < count; ++r) text += "0.1,0.2,0.3," + std::to_string(r % 10 + 1) + "\r\n";
  return text;
}

TEST(QuadrelFiles, AnEmptyDataFileIsReportedAfterTheOptionsWereConsumed) {
  QuadrelViewer v;
  v.write_options(1, 3);
  v.write_data("");
  v.show();
  EXPECT_EQ(v.log.messages, std::vector<std::string>{"No exiteix el fitxer de dades"});
  EXPECT_FALSE(exists(v.file(QuadrelViewer::kOptions)));
  EXPECT_TRUE(exists(v.file(QuadrelViewer::kData)));
  EXPECT_TRUE(v.form().shown());
  EXPECT_EQ(v.renderer().world_list(), 0u);
}

TEST(QuadrelFiles, RecordsUpToTheTableEnd) {
  struct Case {
    const char* name;
    std::string data;
    int32_t error;
    int16_t count;
  };
  const Case cases[] = {
      {.name = "6000", .data = rows(6000), .error = 0, .count = 6000},
      {.name = "6001", .data = rows(6001), .error = 9, .count = 0},
      {.name = "cut short", .data = rows(2) + "0.1,0.2\r\n", .error = 62, .count = 0},
  };
  for (const Case& c : cases) {
    QuadrelViewer v;
    v.write_options(1, 0);
    v.write_data(c.data);
    EXPECT_EQ(v.show_error(), c.error) << c.name;
    EXPECT_EQ(v.form().shown(), c.error == 0) << c.name;
    // Kept after an error, so nothing the host wrote is lost.
    EXPECT_EQ(exists(v.file(QuadrelViewer::kData)), c.error != 0) << c.name;
    if (c.error != 0) continue;
    EXPECT_EQ(v.renderer().record_count(), c.count) << c.name;
    const TetrahedronPoint& last = v.renderer().record(c.count - 1);
    EXPECT_EQ(last.z, 0.3) << c.name;
    EXPECT_EQ(last.group, 10) << c.name;
  }
}

// The names of the options file are the labels, at the ternary diagram's label positions.
TEST(QuadrelFiles, OptionNamesAreTheVertexLabels) {
  QuadrelViewer v;
  v.write_options(1, 0, {"Top", "Left", "Right"});
  v.write_data("\r\n");
  v.show();
  EXPECT_EQ(v.renderer().record_count(), 0);
  EXPECT_GT(v.ink_between(0.45, 0.89, 0.55, 0.95), 20);
  EXPECT_GT(v.ink_between(-0.15, -0.02, -0.08, 0.03), 20);
  EXPECT_GT(v.ink_between(1.01, -0.02, 1.08, 0.03), 20);

  // A host that calls Passar_Punts names them itself.
  Vector_Punts points{};
  Vector_Graella grid{};
  Vector_Punts_PC components{};
  StringArray blank(1, {"", "", ""});
  v.renderer().Passar_Punts(points, grid, components, blank);
  v.renderer().DrawWorld();
  v.form().Form_Paint();
  EXPECT_EQ(v.ink_between(0.45, 0.9, 0.55, 0.95), 0);
  EXPECT_EQ(v.ink_between(-0.15, -0.01, -0.08, 0.03), 0);
}

}  // namespace
}  // namespace plot::testing
