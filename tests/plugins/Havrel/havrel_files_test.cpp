// How Initialize takes its four exchange files: the order, the counts, the tables' bounds and
// which files are gone afterwards.
#include <gtest/gtest.h>

#include "havrel_viewer.h"

namespace plot::testing {
namespace {

const std::vector<std::string> kFiles = {"opcionsBiplot.qvm", "rangBiplot.qvm", "liniesBiplot.qvm",
                                         "puntsBiplot.qvm"};

constexpr HavrelOptions kTwoRays{.nGrups = 2, .nLinies = 2, .nRang = 2};
const std::string kRays = "0.5,0.25,-0.5,\"Ca, total\"\r\n-0.3,0.1,0.2,Mg\r\n";
const std::vector<PointRow> kPoints = {{0.1, 0.2, 0.3, 2, 0}, {-0.1, 0, 0.5, 3, 1}};

TEST(HavrelFiles, ReadWholeFillsTheTablesAndLeavesNothingBehind) {
  HavrelViewer v;
  v.write_files({.nGrups = 3, .nLinies = 2, .modeDibuix = 2, .labels = true, .nRang = 2}, kPoints,
                kRays, "0.625\r\n0.875\r\n");
  ASSERT_EQ(v.show_error(), 0);
  const COpenGL_Havrel& r = v.renderer();
  const HavrelTables& t = r.tables();
  EXPECT_EQ(r.nGrups, 3);
  EXPECT_TRUE(r.observation && r.labels && r.printeixos);
  EXPECT_FALSE(r.outlier_mark);
  EXPECT_EQ(t.modeDibuix, 2);
  EXPECT_EQ(t.coor(3), "PC3");
  EXPECT_FLOAT_EQ(t.taulaCpe(2), 0.875f);
  EXPECT_DOUBLE_EQ(t.taulaLinies(0)[2], -0.5);
  EXPECT_EQ(t.nomsLinies(0), "Ca, total");
  EXPECT_EQ(t.nomsLinies(1), "Mg");
  ASSERT_EQ(t.nPunts, 2);
  EXPECT_DOUBLE_EQ(t.taulaPunts(1)[HavrelTables::Outlier], 1);
  EXPECT_TRUE(std::filesystem::is_empty(v.folder));
  EXPECT_TRUE(v.log.messages.empty());
}

TEST(HavrelFiles, EachMissingOrEmptyFileStopsTheLoadWithOneMessage) {
  for (std::size_t missing = 0; missing < kFiles.size(); ++missing)
    for (const bool empty : {false, true}) {
      SCOPED_TRACE(kFiles[missing] + (empty ? " empty" : " missing"));
      HavrelViewer v;
      v.write_files(kTwoRays, kPoints, kRays, "0.5\r\n0.75\r\n");
      if (empty)
        v.write(kFiles[missing], "");
      else
        std::filesystem::remove(v.file(kFiles[missing]));
      ASSERT_EQ(v.show_error(), 0);
      EXPECT_EQ(v.log.messages, std::vector<std::string>{"No exiteix el fitxer de dades"});
      EXPECT_TRUE(v.form().shown());
      EXPECT_EQ(v.renderer().world_list(), 0u);
      // Files before it are gone; it and the later ones stay for the host.
      for (std::size_t f = 0; f < kFiles.size(); ++f)
        EXPECT_EQ(v.exists(kFiles[f]), f > missing || (f == missing && empty)) << kFiles[f];
    }
}

TEST(HavrelFiles, PointsAreReadOnlyWhenObservationsAreDrawn) {
  HavrelViewer v;
  HavrelOptions options = kTwoRays;
  options.observation = false;
  options.labels = true;
  v.write_files(options, kPoints, kRays, "0.5\r\n0.75\r\n");
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_EQ(v.renderer().tables().nPunts, 0);
  EXPECT_TRUE(v.exists("puntsBiplot.qvm"));
  EXPECT_FALSE(v.exists("liniesBiplot.qvm"));
  EXPECT_TRUE(v.log.messages.empty());
}

TEST(HavrelFiles, NoRaysStillNeedsARaysFileAndConsumesIt) {
  HavrelViewer v;
  v.write_files({.nLinies = 0}, kPoints, kRays);
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_EQ(v.renderer().tables().nomsLinies(0), "");
  EXPECT_FALSE(v.exists("liniesBiplot.qvm"));
}

// Files the plug-in cannot take end mostrar with the error; the file that failed is kept
// byte for byte and the window is not shown.
struct Refused {
  const char* what;
  HavrelOptions options;
  std::string failing;
  std::string bytes;
  ErrorNumber error;
};

std::string repeated(const std::string& row, int rows) {
  std::string text;
  for (int n = 0; n < rows; ++n) text += row;
  return text;
}
std::string point_rows(int rows) {
  return repeated("0.1,0.2,0.3,1,0\r\n", rows);
}
std::string ray_rows(int rows) {
  return rows == 0 ? " " : repeated("0.1,0.2,0.3,\"v\"\r\n", rows);
}

TEST(HavrelFiles, ValuesBeyondTheTablesOrOfTheWrongTypeKeepTheFile) {
  const Refused cases[] = {
      {"6001 points", {}, "puntsBiplot.qvm", point_rows(6001), ErrorNumber::SubscriptOutOfRange},
      {"21 rays",
       {.nLinies = 21},
       "liniesBiplot.qvm",
       ray_rows(21),
       ErrorNumber::SubscriptOutOfRange},
      {"21 proportions",
       {.nRang = 21},
       "rangBiplot.qvm",
       repeated("0.5\r\n", 21),
       ErrorNumber::SubscriptOutOfRange},
      {"a word for a group",
       {},
       "puntsBiplot.qvm",
       "0.1,0.2,0.3,two,0\r\n",
       ErrorNumber::TypeMismatch},
      {"a row cut short",
       {},
       "puntsBiplot.qvm",
       "0.1,0.2,0.3,1\r\n",
       ErrorNumber::InputPastEndOfFile},
      {"a word for a count",
       {},
       "opcionsBiplot.qvm",
       "one,0,#TRUE#,1,#TRUE#,#FALSE#,#FALSE#,0,a,b,c\r\n",
       ErrorNumber::TypeMismatch},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.what);
    HavrelViewer v;
    v.write_files(c.options, {}, ray_rows(c.options.nLinies));
    v.write(c.failing, c.bytes);
    EXPECT_EQ(v.show_error(), static_cast<int32_t>(c.error));
    EXPECT_FALSE(v.form().shown());
    EXPECT_EQ(file_contents(v.file(c.failing)), c.bytes);
  }
}

TEST(HavrelFiles, SixThousandPointsEndingWithALineBreakAreReadWhole) {
  HavrelViewer v;
  v.write_files({.modeDibuix = 0});
  v.write("puntsBiplot.qvm", point_rows(6000));
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_EQ(v.renderer().tables().nPunts, 6000);
  EXPECT_FALSE(v.exists("puntsBiplot.qvm"));
}

TEST(HavrelFiles, ASecondMostrarWithoutNewFilesShowsTheMessageAndAnEmptyView) {
  HavrelViewer v;
  v.write_files(kTwoRays, kPoints, kRays, "0.5\r\n0.75\r\n");
  ASSERT_EQ(v.show_error(), 0);
  ASSERT_GT(ink_in(v.picture(), kBackground, 0, 0, v.picture().width - 1, v.picture().height - 1),
            0);
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_EQ(v.log.messages, std::vector<std::string>{"No exiteix el fitxer de dades"});
  EXPECT_TRUE(v.form().shown());
  EXPECT_EQ(ink_in(v.picture(), kBackground, 0, 0, v.picture().width - 1, v.picture().height - 1),
            0);
}

}  // namespace
}  // namespace plot::testing
