// What a new user meets: files of other shapes, mistakes told with what to change, and pictures
// whose text all shows, whatever the names and the size.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "plot_host_run.h"

namespace {

namespace fs = std::filesystem;
using plot::testing::Outcome;
using plot::testing::Picture;
using plot::testing::PlotHost;
using plot::testing::read_png;

const std::string kRocks = "'" PLOT_EXAMPLES_DIR "/rocks.csv' ";
const std::string kLong = "a_rather_long_part_name";

// No ink on the outer rows and columns: the most frequent colour all round.
bool edges_clean(const Picture& p) {
  std::map<uint32_t, int> counts;
  const auto colour = [&](int32_t x, int32_t y) {
    const uint8_t* c = p.at(x, y);
    return static_cast<uint32_t>(c[0] << 16 | c[1] << 8 | c[2]);
  };
  for (int32_t y = 0; y < p.height; ++y)
    for (int32_t x = 0; x < p.width; ++x) ++counts[colour(x, y)];
  uint32_t background = 0;
  int most = 0;
  for (const auto& [c, n] : counts)
    if (n > most) std::tie(background, most) = std::tie(c, n);
  for (int32_t x = 0; x < p.width; ++x)
    if (colour(x, 0) != background || colour(x, p.height - 1) != background) return false;
  for (int32_t y = 0; y < p.height; ++y)
    if (colour(0, y) != background || colour(p.width - 1, y) != background) return false;
  return true;
}

class ToolLayout : public PlotHost {
 protected:
  void SetUp() override {
    PlotHost::SetUp();
    std::string rows = "id\t" + kLong + "\tb\tc\td\tg\n";
    for (int i = 1; i <= 12; ++i)
      rows += std::to_string(i) + "\t" + std::to_string(i % 5 + 1) + "\t" +
              std::to_string(i % 3 + 2) + "\t" + std::to_string(i % 4 + 3) + "\t" +
              std::to_string(i % 7 + 1) + "\t" +
              (i <= 2  ? "pair"
               : i % 2 ? "odd"
                       : "even_numbered_rows") +
              "\n";
    write("long.tsv", rows);
    write("commas.csv", "a;b;c\n1,5;2;3\n2;1,25;1\n");
    write("negative.csv", "temperature,a,b,c\n-3,1,2,3\n");
    write("pairs.csv", "a,b,c,g\n1,2,3,x\n2,1,1,x\n3,1,1,y\n1,1,3,y\n");
  }
  std::string file(const std::string& name) { return "'" + (folder_ / name).string() + "' "; }
};

TEST_F(ToolLayout, EachShapeAndMistakeGetsItsPictureOrItsSentence) {
  struct Case {
    std::string arguments;
    bool ok;            // exit status 0 and a picture
    std::string words;  // in what the tool printed
  };
  const std::string rocks3 = kRocks + "--parts SiO2,Al2O3,FeO ";
  const std::string long3 = file("long.tsv") + "--parts " + kLong + ",b,c ";
  const std::string long4 = file("long.tsv") + "--parts " + kLong + ",b,c,d ";
  const Case cases[] = {
      {"ternary " + long3 + "--group g", true, "legend's \"even_numb.\" is \"even_numbered_rows\""},
      {"logratio " + long3 + "--transform balances --size 500x800", true, "widened"},
      {"logratio3d " + long4 + "--transform balances", true, ""},
      {"biplot " + file("long.tsv") + "--parts " + kLong + ",b,c,d --names", true, ""},
      {"biplot " + kRocks + "--outliers --size 640x900", true, ""},
      {"tetrahedron " + kRocks + "--parts SiO2,Al2O3,FeO,MgO --rotate 0,6,3", true, ""},
      {"ternary " + rocks3 + "--components --size 600x734", true, "PC1 (red, solid line)"},
      {"ternary " + file("commas.csv"), true, ""},
      {"ternary " + kRocks + "--parts ' SiO2 , Al2O3,FeO'", true, ""},
      {"predictive " + rocks3, true, "observations outside the region"},
      {"confidence " + long3 + "--group g", true, "group \"pair\" left out: 2 rows are too few"},
      {"confidence " + file("pairs.csv") + "--group g", false, "no group has the 3 rows"},
      {"ternary " + file("negative.csv"), false,
       "\"temperature\" cannot be a part; leave it out by naming the parts with --parts a,b,c"},
      {"logratio " + rocks3 + "--transform ilr", false, "\"ilr\" is not alr or balances"},
      {"ternary " + rocks3 + "--transform ilr", false, "ternary does not take"},
      {"predictive " + rocks3 + "--levels 0.9,1", false, "probabilities between 0 and 1"},
      {"biplot3d " + rocks3, false, "takes 4 to 20 parts"},
      {"ternary " + rocks3 + "--size 918x600", false, "at least 734 high"},
  };
  for (const Case& c : cases) {
    const fs::path png = folder_ / "plot.png";
    fs::remove(png);
    const Outcome r = run(c.arguments + " --png '" + png.string() + "'");
    EXPECT_EQ(r.exit_code == 0, c.ok) << c.arguments << "\n" << r.output;
    EXPECT_NE(r.output.find(c.words), std::string::npos) << c.arguments << "\n" << r.output;
    EXPECT_EQ(fs::exists(png), c.ok) << c.arguments;
    if (c.ok) {
      EXPECT_TRUE(edges_clean(read_png(png))) << c.arguments;
    }
  }
}

TEST_F(ToolLayout, MistakesOfPlaceNameTheirOwnFile) {
  const Outcome folder = run("--png out.png ternary " + kRocks);
  EXPECT_NE(folder.output.find("before the plot's name it names the samples' folder"),
            std::string::npos)
      << folder.output;
  const Outcome unwritable =
      run("ternary " + kRocks + "--parts SiO2,Al2O3,FeO --png /no-such-folder/x.png");
  EXPECT_NE(unwritable.output.find("plot_host: /no-such-folder/x.png: the picture cannot be"),
            std::string::npos)
      << unwritable.output;
}

// A group legend only with --group, and it shows the labels: other labels, another picture.
TEST_F(ToolLayout, GroupLegendShowsTheLabelsOfGroup) {
  const auto table = [](const char* first, const char* second) {
    std::string rows = "a,b,c,d,g\n";
    for (int i = 0; i < 8; ++i)
      rows += std::to_string(i % 3 + 1) + "," + std::to_string(i % 4 + 2) + "," +
              std::to_string(i % 5 + 1) + "," + std::to_string(i % 2 + 3) + "," +
              (i < 4 ? first : second) + "\n";
    return rows;
  };
  write("sites.csv", table("north", "south"));
  write("rocks.csv", table("basalt", "granite"));
  const auto picture = [&](const std::string& arguments) {
    const fs::path png = folder_ / "legend.png";
    fs::remove(png);
    const Outcome r = run(arguments + " --png '" + png.string() + "'");
    EXPECT_EQ(r.exit_code, 0) << arguments << "\n" << r.output;
    return read_png(png).rgb;
  };
  for (const char* plot : {"biplot", "biplot3d", "logratio --parts a,b,c", "logratio3d",
                           "ternary --parts a,b,c", "tetrahedron", "confidence --parts a,b,c"}) {
    const std::string sites = std::string(plot) + " " + file("sites.csv");
    const auto named = picture(sites + "--group g");
    EXPECT_NE(named, picture(sites)) << plot << ": the same without --group";
    EXPECT_NE(named, picture(std::string(plot) + " " + file("rocks.csv") + "--group g")) << plot;
  }
}

// Every plot_host command of the README runs as written (a window's command writes a PNG).
TEST_F(ToolLayout, EveryReadmeCommandRuns) {
  std::ifstream in(PLOT_EXAMPLES_DIR "/../../../README.md");
  std::stringstream text;
  text << in.rdbuf();
  std::string readme;
  // Lines continued with a backslash are joined, as a shell joins them.
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\\') {
      line.pop_back();
      readme += line;
      continue;
    }
    readme += line + "\n";
  }
  const auto has_option = [](const std::string& arguments, const std::string& option) {
    for (std::size_t at = arguments.find(" " + option); at != std::string::npos;
         at = arguments.find(" " + option, at + 1)) {
      const std::size_t end = at + 1 + option.size();
      if (end == arguments.size() || arguments[end] == ' ' || arguments[end] == '=') return true;
    }
    return false;
  };
  int commands = 0;
  std::istringstream lines(readme);
  for (std::string line; std::getline(lines, line);) {
    line.erase(0, line.find_first_not_of(' '));
    std::string arguments;
    for (const std::string tool : {"build/tools/host/plot_host", "\"$HOME/.local/bin/plot_host\""})
      if (line.rfind(tool, 0) == 0) arguments = line.substr(tool.size());
    if (arguments.empty()) continue;
    if (const std::size_t comment = arguments.find(" #"); comment != std::string::npos)
      arguments.erase(comment);
    const std::string examples = "tools/host/examples/";
    const std::string where = PLOT_EXAMPLES_DIR "/";
    for (std::size_t at = arguments.find(examples); at != std::string::npos;
         at = arguments.find(examples, at + where.size()))
      arguments.replace(at, examples.size(), where);
    if (!has_option(arguments, "--png") && !has_option(arguments, "--out") &&
        !has_option(arguments, "--help"))
      arguments += " --png window.png";
    const Outcome r = run(arguments);
    EXPECT_EQ(r.exit_code, 0) << arguments << "\n" << r.output;
    ++commands;
  }
  EXPECT_GE(commands, 6);
}

}  // namespace
