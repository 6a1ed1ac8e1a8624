// How Initialize takes its four exchange files: the order, the counts, the tables' bounds and
// which files are gone afterwards.
#include <gtest/gtest.h>

#include "havrel_viewer.h"

namespace plot::testing {
namespace {

const std::vector<std::string> kFiles = {"opcionsBiplot.qvm", "rangBiplot.qvm", "liniesBiplot.qvm",
                                         "puntsBiplot.qvm"};
const std::string kPoints = "0.1,0.2,0.3,2,0\r\n-0.1,0,0.5,3,1\r\n";
const std::string kRays = "0.5,0.25,-0.5,\"Ca, total\"\r\n-0.3,0.1,0.2,Mg\r\n";

TEST(HavrelFiles, ReadWholeFillsTheTablesAndLeavesNothingBehind) {
  HavrelViewer v;
  v.write_files({.nGrups = 3, .nLinies = 2, .modeDibuix = 2, .nRang = 2}, kPoints, kRays,
                "0.625\r\n0.875\r\n");
  ASSERT_EQ(v.show_error(), 0);
  const COpenGL_Havrel& r = v.renderer();
  const HavrelTables& t = r.tables();
  EXPECT_EQ(r.nGrups, 3);
  EXPECT_TRUE(r.observation && r.printeixos && !r.outlier_mark && !r.labels);
  EXPECT_EQ(t.modeDibuix, 2);
  EXPECT_EQ(t.coor(3), "PC3");
  EXPECT_FLOAT_EQ(t.taulaCpe(2), 0.875f);
  EXPECT_DOUBLE_EQ(t.taulaLinies(0)[2], -0.5);
  EXPECT_EQ(t.nomsLinies(0), "Ca, total");
  EXPECT_EQ(t.nomsLinies(1), "Mg");
  ASSERT_EQ(t.nPunts, 2);
  EXPECT_DOUBLE_EQ(t.taulaPunts(1)[HavrelTables::Outlier], 1);
  EXPECT_TRUE(std::filesystem::is_empty(v.profile.folder()));
  EXPECT_TRUE(v.log.messages.empty());
}

TEST(HavrelFiles, EachMissingOrEmptyFileStopsTheLoadWithOneMessage) {
  for (std::size_t missing = 0; missing < kFiles.size(); ++missing)
    for (const bool empty : {false, true}) {
      SCOPED_TRACE(kFiles[missing] + (empty ? " empty" : " missing"));
      HavrelViewer v;
      v.write_files({.nLinies = 2, .nRang = 1}, kPoints, kRays, "0.5\r\n");
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

struct Consumed {
  const char* what;
  HavrelOptions options;
  std::string points;
  int16_t nPunts;
  bool points_file_left;
};

TEST(HavrelFiles, PointsAreReadOnlyForObservationsAndAnEmptyTableStillTakesItsFile) {
  const Consumed cases[] = {
      {"observation false, an old points file", {.observation = false}, kPoints, 0, true},
      {"6000 rows ending with a line break",
       {},
       repeated("0.1,0.2,0.3,1,0\r\n", 6000),
       6000,
       false},
  };
  for (const Consumed& c : cases) {
    SCOPED_TRACE(c.what);
    HavrelViewer v;
    v.write_files(c.options, c.points, kRays);  // nLinies 0: the rays file unread but taken
    ASSERT_EQ(v.show_error(), 0);
    EXPECT_EQ(v.renderer().tables().nPunts, c.nPunts);
    EXPECT_EQ(v.exists("puntsBiplot.qvm"), c.points_file_left);
    EXPECT_FALSE(v.exists("liniesBiplot.qvm"));
    EXPECT_TRUE(v.log.messages.empty());
  }
}

struct Refused {
  const char* what;
  HavrelOptions options;
  std::string failing;
  std::string bytes;
  ErrorNumber error;
};

// The error ends mostrar, no window shows, and the file that failed is kept byte for byte.
TEST(HavrelFiles, ValuesBeyondTheTablesOrOfTheWrongTypeKeepTheFile) {
  const Refused cases[] = {
      {"6001 points",
       {},
       "puntsBiplot.qvm",
       repeated("0.1,0.2,0.3,1,0\r\n", 6001),
       ErrorNumber::SubscriptOutOfRange},
      {"21 rays",
       {.nLinies = 21},
       "liniesBiplot.qvm",
       repeated("0.1,0.2,0.3,v\r\n", 21),
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
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.what);
    HavrelViewer v;
    v.write_files(c.options);
    v.write(c.failing, c.bytes);
    EXPECT_EQ(v.show_error(), static_cast<int32_t>(c.error));
    EXPECT_FALSE(v.form().shown());
    EXPECT_EQ(file_contents(v.file(c.failing)), c.bytes);
  }
}

TEST(HavrelFiles, ASecondMostrarWithoutNewFilesShowsTheMessageAndAnEmptyView) {
  HavrelViewer v;
  v.write_files({.nLinies = 2}, kPoints, kRays);
  ASSERT_EQ(v.show_error(), 0);
  const auto ink = [&] {
    return ink_in(v.picture(), kBackground, 0, 0, v.picture().width - 1, v.picture().height - 1);
  };
  ASSERT_GT(ink(), 0);
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_EQ(v.log.messages, std::vector<std::string>{"No exiteix el fitxer de dades"});
  EXPECT_TRUE(v.form().shown());
  EXPECT_EQ(ink(), 0);
}

}  // namespace
}  // namespace plot::testing
