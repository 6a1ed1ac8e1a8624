// Pictures for print: the tool's --out files opened with viewers of their own (rsvg-convert,
// pdftoppm, Ghostscript) and compared with the PNG of the same plot.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <string>

#include "plot_host_run.h"

namespace {

namespace fs = std::filesystem;
using plot::testing::bytes_of;
using plot::testing::count_pixels;
using plot::testing::kGreen;
using plot::testing::Outcome;
using plot::testing::Picture;
using plot::testing::PlotHost;
using plot::testing::read_png;
using plot::testing::run_command;

const std::string kTernary =
    "ternary '" PLOT_EXAMPLES_DIR "/rocks.csv' --group rock --parts SiO2,Al2O3,FeO --grid ";
constexpr int kObservations = 90;  // rows of rocks.csv
constexpr int kGroups = 3;

bool has_tools() {
  return std::system("command -v rsvg-convert pdftoppm pdftotext gs >/dev/null 2>&1") == 0;
}

int occurrences(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

bool ink(const Picture& p, int32_t x, int32_t y) {
  const uint8_t* c = p.at(x, y);
  return c[0] < 200 || c[1] < 200 || c[2] < 200;
}

// The share of `a`'s ink that has ink of `b` within `radius` pixels.
double ink_found(const Picture& a, const Picture& b, int32_t radius) {
  int64_t inked = 0;
  int64_t found = 0;
  for (int32_t y = 0; y < a.height; ++y)
    for (int32_t x = 0; x < a.width; ++x) {
      if (!ink(a, x, y)) continue;
      ++inked;
      bool near = false;
      for (int32_t v = std::max(0, y - radius); v <= std::min(b.height - 1, y + radius) && !near;
           ++v)
        for (int32_t u = std::max(0, x - radius); u <= std::min(b.width - 1, x + radius) && !near;
             ++u)
          near = ink(b, u, v);
      found += near ? 1 : 0;
    }
  return inked > 0 ? static_cast<double>(found) / static_cast<double>(inked) : 0.0;
}

// Rows from the first to the last with ink in the box, the box given at scale 1.
int ink_height(const Picture& p, int scale, int32_t left, int32_t right, int32_t top,
               int32_t bottom) {
  int first = -1;
  int last = -1;
  for (int32_t y = top * scale; y < bottom * scale; ++y)
    for (int32_t x = left * scale; x < right * scale; ++x)
      if (ink(p, x, y)) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return first < 0 ? 0 : last - first + 1;
}

std::set<fs::path> files_under(const fs::path& folder) {
  std::set<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) files.insert(entry.path());
  return files;
}

TEST_F(PlotHost, TheSvgHoldsTheCornerNamesAsTextAndAPointPerObservation) {
  const fs::path svg = folder_ / "t.svg";
  const Outcome r = run(kTernary + "--out '" + svg.string() + "'");
  ASSERT_EQ(r.exit_code, 0) << r.output;
  const std::string text = bytes_of(svg);
  for (const char* name : {">SiO2 </text>", ">Al2O3 </text>", ">FeO </text>"})
    EXPECT_EQ(occurrences(text, name), 1) << name;
  // The legend has a dot per group.
  EXPECT_EQ(occurrences(text, "<circle"), kObservations + kGroups);
}

TEST_F(PlotHost, EachVectorFileRasterisedHasItsInkWhereThePngHasIt) {
  if (!has_tools()) GTEST_SKIP() << "needs rsvg-convert, pdftoppm and Ghostscript";
  const fs::path png = folder_ / "t.png";
  ASSERT_EQ(run(kTernary + "--png '" + png.string() + "'").exit_code, 0);
  const Picture reference = read_png(png);
  struct Viewer {
    const char* extension;
    std::string command;  // %in, %out
  };
  // One unit of the page is one pixel of the picture: 72 dots per inch.
  const Viewer viewers[] = {
      {".svg", "rsvg-convert --dpi-x 72 --dpi-y 72 '%in' -o '%out'"},
      {".pdf", "pdftoppm -r 72 -singlefile -png '%in' '%out.stem'"},
      {".eps",
       "gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r72 -sDEVICE=png16m "
       "-sOutputFile='%out' '%in'"},
  };
  for (const Viewer& v : viewers) {
    SCOPED_TRACE(v.extension);
    const fs::path file = folder_ / (std::string("t") + v.extension);
    const fs::path raster = folder_ / (std::string("t") + v.extension + ".png");
    ASSERT_EQ(run(kTernary + "--out '" + file.string() + "'").exit_code, 0);
    std::string command = v.command;
    command.replace(command.find("%in"), 3, file.string());
    const auto out = command.find("%out.stem");
    if (out != std::string::npos)
      command.replace(out, 9, (folder_ / (std::string("t") + v.extension)).string());
    else
      command.replace(command.find("%out"), 4, raster.string());
    const Outcome viewed = run_command(command);
    ASSERT_EQ(viewed.exit_code, 0) << command << "\n" << viewed.output;
    EXPECT_EQ(viewed.output, "") << "the viewer complained";
    const Picture drawn = read_png(raster);
    ASSERT_EQ(drawn.width, reference.width);
    ASSERT_EQ(drawn.height, reference.height);
    EXPECT_GT(ink_found(drawn, reference, 2), 0.97) << "ink where the PNG has none";
    EXPECT_GT(ink_found(reference, drawn, 2), 0.97) << "the PNG's ink missing";
  }
}

TEST_F(PlotHost, NamesThatAreSyntaxInAFileAreTextInEachFormat) {
  if (!has_tools()) GTEST_SKIP() << "needs pdftotext and Ghostscript";
  const fs::path csv = write("names.csv", "S(i)O2,<Al> & \\,Fé\n1,2,3\n2,1,3\n");
  const std::string ternary = "ternary '" + csv.string() + "' --out ";
  const fs::path svg = folder_ / "n.svg";
  const fs::path pdf = folder_ / "n.pdf";
  const fs::path eps = folder_ / "n.eps";
  for (const fs::path& file : {svg, pdf, eps})
    ASSERT_EQ(run(ternary + "'" + file.string() + "'").exit_code, 0) << file;
  const std::string svg_text = bytes_of(svg);
  EXPECT_NE(svg_text.find(">&lt;Al&gt; &amp; \\ </text>"), std::string::npos);
  EXPECT_NE(svg_text.find(">Fé </text>"), std::string::npos);
  EXPECT_EQ(run_command("rsvg-convert '" + svg.string() + "' >/dev/null").exit_code, 0);
  const Outcome pdf_text = run_command("pdftotext '" + pdf.string() + "' -");
  const Outcome eps_text = run_command(
      "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite "
      "-sOutputFile=- '" +
      eps.string() + "'");
  for (const Outcome& o : {pdf_text, eps_text}) {
    EXPECT_EQ(o.exit_code, 0) << o.output;
    for (const char* name : {"S(i)O2", "<Al> & \\", "Fé"})
      EXPECT_NE(o.output.find(name), std::string::npos) << name << " in\n" << o.output;
  }
}

TEST_F(PlotHost, ScaleTwoDoublesThePictureItsDotsAndItsText) {
  const fs::path one = folder_ / "one.png";
  const fs::path two = folder_ / "two.png";
  ASSERT_EQ(run(kTernary + "--png '" + one.string() + "'").exit_code, 0);
  const Outcome r = run(kTernary + "--out '" + two.string() + "' --scale 2");
  ASSERT_EQ(r.exit_code, 0) << r.output;
  const Picture small = read_png(one);
  const Picture large = read_png(two);
  EXPECT_EQ(large.width, 2 * small.width);
  EXPECT_EQ(large.height, 2 * small.height);
  // The green dots: each 5 pixels square becomes 10.
  const double dots = static_cast<double>(count_pixels(two, kGreen)) / count_pixels(one, kGreen);
  EXPECT_NEAR(dots, 4.0, 0.4);
  // "SiO2" over the top corner, alone in its box.
  const int text = ink_height(small, 1, 400, 520, 100, 160);
  ASSERT_GT(text, 10);
  EXPECT_NEAR(ink_height(large, 2, 400, 520, 100, 160), 2 * text, 2);
}

TEST_F(PlotHost, AFileThatCannotBeWrittenLeavesNothing) {
  write("plain", "a file");
  fs::create_directory(folder_ / "taken.pdf");
  struct Case {
    std::string option;
    fs::path path;
    std::string message;  // after the path
  };
  const Case cases[] = {
      {"--out", folder_ / "plain" / "t.svg", ": Not a directory"},
      {"--out", folder_ / "missing" / "t.eps", ": No such file or directory"},
      {"--out", folder_ / "taken.pdf", ": Is a directory"},
      {"--out", folder_ / "plain" / "t.png", ": Not a directory"},
      // --png keeps its words.
      {"--png", folder_ / "taken.pdf", " for writing"},
  };
  const std::set<fs::path> before = files_under(folder_);
  for (const Case& c : cases) {
    const Outcome r = run(kTernary + c.option + " '" + c.path.string() + "'");
    EXPECT_EQ(r.exit_code, 1) << c.path;
    const std::string opening = c.option == "--png" ? "cannot open " : "cannot write ";
    EXPECT_NE(r.output.find(opening + c.path.string() + c.message), std::string::npos) << r.output;
    EXPECT_EQ(files_under(folder_), before) << c.path;
  }
}

TEST_F(PlotHost, AFormatOrScaleTheToolCannotWriteIsRefusedBeforeAnyPlot) {
  const std::string cases[] = {
      "--out '" + (folder_ / "t.gif").string() + "'",
      "--png '" + (folder_ / "t.png").string() + "' --scale 5",
      "--out '" + (folder_ / "t.svg").string() + "' --scale 2",
  };
  for (const std::string& c : cases) {
    EXPECT_NE(run(kTernary + c).exit_code, 0) << c;
    EXPECT_TRUE(fs::is_empty(folder_ / "tmp")) << c;
  }
  EXPECT_EQ(files_under(folder_).size(), 1u) << "only tmp/";
}

}  // namespace
