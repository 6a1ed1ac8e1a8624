// The tool as a user runs it: a CSV file in, a PNG out, or a clear error and no picture.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "plot_host_run.h"

namespace {

namespace fs = std::filesystem;
using plot::testing::bytes_of;
using plot::testing::count_pixels;
using plot::testing::kBlack;
using plot::testing::kGreen;
using plot::testing::Outcome;
using plot::testing::PlotHost;

TEST_F(PlotHost, EveryPlotDrawsTheUsersData) {
  struct Case {
    std::string arguments;
    std::array<uint8_t, 3> colour;
    int at_least;  // more than the legend alone draws
  };
  const std::string rocks = "'" PLOT_EXAMPLES_DIR "/rocks.csv' --group rock ";
  const std::string three = "--parts SiO2,Al2O3,FeO ";
  const std::string four = "--parts SiO2,Al2O3,FeO,MgO ";
  const Case cases[] = {
      {"biplot " + rocks + "--outliers", kGreen, 100},
      {"biplot3d " + rocks + "--rotate 1,2,0", kGreen, 100},
      {"logratio " + rocks + three + "--transform balances", kGreen, 100},
      {"logratio3d " + rocks + four, kGreen, 100},
      {"ternary " + rocks + three + "--grid", kGreen, 100},
      {"tetrahedron " + rocks + four, kGreen, 100},
      // The frame, names and caption alone draw about 5250.
      {"predictive " + rocks + three + "--levels 0.5,0.9", kBlack, 5600},
      {"confidence " + rocks + three, kGreen, 30},
  };
  for (const Case& c : cases) {
    const fs::path png = folder_ / "plot.png";
    fs::remove(png);
    const Outcome r = run(c.arguments + " --png '" + png.string() + "'");
    EXPECT_EQ(r.exit_code, 0) << c.arguments << "\n" << r.output;
    EXPECT_GT(count_pixels(png, c.colour), c.at_least) << c.arguments;
    EXPECT_TRUE(fs::is_empty(folder_ / "tmp")) << c.arguments << ": exchange folder left";
  }
}

// The Python example, through ctypes and the public headers' layouts alone, draws the very
// picture the tool draws.
TEST_F(PlotHost, PythonHostDrawsTheToolsPicture) {
#ifdef PLOT_SANITIZED
  GTEST_SKIP() << "the sanitizers' plug-ins do not load into python3";
#endif
  const char* plugins = std::getenv("PLOT_PLUGIN_DIR");
  if (plugins == nullptr || std::system("python3 -c '' >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "needs python3 and PLOT_PLUGIN_DIR";
  const std::string rocks = "'" PLOT_EXAMPLES_DIR "/rocks.csv' ";
  const fs::path tool = folder_ / "tool.png";
  const fs::path python = folder_ / "python.png";
  const Outcome r =
      run("ternary " + rocks + "--parts SiO2,Al2O3,FeO --group rock --png '" + tool.string() + "'");
  ASSERT_EQ(r.exit_code, 0) << r.output;
  const std::string command = "python3 '" PLOT_EXAMPLES_DIR "/ternary_from_python.py' '" +
                              std::string(plugins) + "' " + rocks + "SiO2,Al2O3,FeO rock '" +
                              python.string() + "' >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  EXPECT_EQ(bytes_of(python), bytes_of(tool));
}

// Every sample --list names is drawn off screen into DIR/PLUGIN-SAMPLE.png, none of them blank.
TEST_F(PlotHost, EveryListedSampleRendersOffScreen) {
  const Outcome list = run("--list");
  ASSERT_EQ(list.exit_code, 0) << list.output;
  const fs::path pictures = folder_ / "samples";
  const Outcome r = run("--png '" + pictures.string() + "'");
  ASSERT_EQ(r.exit_code, 0) << r.output;
  std::istringstream names(list.output);
  int samples = 0;
  for (std::string name; std::getline(names, name); ++samples) {
    const std::size_t colon = name.find(':');
    ASSERT_NE(colon, std::string::npos) << name;
    name[colon] = '-';
    const fs::path png = pictures / (name + ".png");
    const std::vector<uint8_t> pixels = plot::testing::read_png(png).rgb;
    ASSERT_FALSE(pixels.empty()) << png;
    EXPECT_NE(count_pixels(png, {pixels[0], pixels[1], pixels[2]}), std::ssize(pixels) / 3)
        << png << ": one colour only";
  }
  EXPECT_EQ(samples, std::distance(fs::directory_iterator(pictures), fs::directory_iterator{}));
}

TEST_F(PlotHost, BadInputIsAnErrorWithoutAPicture) {
  std::string many = "a,b,c\n";
  for (int i = 0; i < 502; ++i) many += "1,2,3\n";
  struct Case {
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"ternary '" + write("many.csv", many).string() + "'",
       "502 rows, but the ternary plot holds at most 501 observations"},
      {"tetrahedron '" + write("three.csv", "a,b,c\n1,2,3\n").string() + "'",
       "the tetrahedron plot takes 4 parts, the file gives 3"},
      {"ternary '" + write("zero.csv", "a,b,c\n1,0,3\n").string() + "'",
       "row 2, column \"b\": the part is 0"},
      {"biplot '" + write("few.csv", "a,b,c\n1,2,3\n2,1,3\n").string() + "' --outliers",
       "2 rows are too few for the outlier test"},
      {"ternary " + (folder_ / "missing.csv").string(), "missing.csv: no such file"},
  };
  for (const Case& c : cases) {
    const fs::path png = folder_ / "bad.png";
    const Outcome r = run(c.arguments + " --png '" + png.string() + "'");
    EXPECT_NE(r.exit_code, 0) << c.arguments;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(png)) << c.arguments;
  }
}

TEST_F(PlotHost, ZeroReplacementLetsAZeroThrough) {
  const fs::path csv = write("zero.csv", "a;b;c\n\"1.5\";0;3\n2;1;1\n");
  const Outcome r = run("ternary '" + csv.string() + "' --zero-replace 0.01 --png '" +
                        (folder_ / "z.png").string() + "'");
  EXPECT_EQ(r.exit_code, 0) << r.output;
  EXPECT_TRUE(fs::exists(folder_ / "z.png"));
}

}  // namespace
