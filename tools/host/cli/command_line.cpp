#include "command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "input/composition_table.h"
#include "usage_errors.h"

namespace {

constexpr std::array<PlotInfo, 8> kPlots = {{
    {.kind = PlotKind::biplot,
     .command = "biplot",
     .plugin = "biplot",
     .summary = "2D biplot of the clr principal components (plug-in biplot)",
     .three_d = false},
    {.kind = PlotKind::biplot3d,
     .command = "biplot3d",
     .plugin = "Havrel",
     .summary = "3D biplot of the clr principal components (plug-in Havrel)",
     .three_d = true},
    {.kind = PlotKind::logratio,
     .command = "logratio",
     .plugin = "Pellin",
     .summary = "2D scatter of alr or balance coordinates of 3 parts (plug-in Pellin)",
     .three_d = false},
    {.kind = PlotKind::logratio3d,
     .command = "logratio3d",
     .plugin = "Tormin",
     .summary = "3D scatter of alr or balance coordinates of 4 parts (plug-in Tormin)",
     .three_d = true},
    {.kind = PlotKind::ternary,
     .command = "ternary",
     .plugin = "ternary",
     .summary = "ternary diagram of 3 parts (plug-in ternary)",
     .three_d = false},
    {.kind = PlotKind::tetrahedron,
     .command = "tetrahedron",
     .plugin = "Quadrel",
     .summary = "tetrahedron of 4 parts (plug-in Quadrel)",
     .three_d = true},
    {.kind = PlotKind::predictive,
     .command = "predictive",
     .plugin = "Vorn",
     .summary = "predictive regions of the whole sample (all groups together), 3 parts, on the "
                "ternary diagram (plug-in Vorn)",
     .three_d = false},
    {.kind = PlotKind::confidence,
     .command = "confidence",
     .plugin = "Vornc",
     .summary = "confidence regions of each group's centre, 3 parts (plug-in Vornc)",
     .three_d = false},
}};

std::string lowercase_extension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// The extensions of the formats plot_viewer_write knows.
bool picture_file(const std::string& path) {
  const std::string extension = lowercase_extension(path);
  for (const char* known : {".png", ".svg", ".pdf", ".eps"})
    if (extension == known) return true;
  return false;
}

std::optional<double> number(const std::string& text) {
  return text.empty() || text != trimmed(text) ? std::nullopt : parse_number(text);
}

bool from_0_to_1(const std::string& text) {
  const auto v = number(text);
  return v && *v >= 0 && *v <= 1;
}

// A region at level 0 is a point, at level 1 the whole plane.
bool probability(const std::string& text) {
  const auto v = number(text);
  return v && *v > 0 && *v < 1;
}

bool whole_number(const std::string& text, int lowest, int highest) {
  int v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  return r.ec == std::errc{} && r.ptr == text.data() + text.size() && v >= lowest && v <= highest;
}

// The plug-ins' own height. Their text keeps its size while the plot scales with the height, so
// a lower picture would put legend rows and names on each other; a narrow one is widened.
constexpr int kLowestPicture = 734;

// "918x800" -> {918, 800}: two whole numbers of pixels and nothing else, the height at least
// kLowestPicture; a number beyond int is refused, not wrapped.
std::string parse_size(const std::string& text, std::array<int, 2>& size) {
  const char* const end = text.data() + text.size();
  int w = 0, h = 0;
  const auto width = std::from_chars(text.data(), end, w);
  const bool by =
      width.ec == std::errc{} && width.ptr != end && (*width.ptr == 'x' || *width.ptr == 'X');
  const auto height = by ? std::from_chars(width.ptr + 1, end, h) : std::from_chars_result{};
  if (!by || height.ec != std::errc{} || height.ptr != end || w < 1 || h < kLowestPicture)
    return "expected WIDTHxHEIGHT in pixels, e.g. 918x734";
  size = {w, h};
  return {};
}

void add_plot_options(CLI::App& sub, PlotRequest& r, std::string& size_text,
                      std::vector<int>& presses) {
  const PlotInfo& info = plot_info(r.plot);
  sub.add_option("file", r.file, "the CSV file: a header row, one composition per row")->required();
  sub.add_option("--parts", r.input.parts,
                 "the part columns, comma-separated (default: every column whose first value "
                 "is a number)")
      ->delimiter(',')
      ->allow_extra_args(false);  // the file may follow the list
  sub.add_option("--group", r.input.group, "a column of group labels (at most 10 groups)");
  sub.add_option("--zero-replace", r.input.zero_replace,
                 "replace zero parts by DELTA (a proportion, multiplicative replacement)")
      ->check(accepting("--zero-replace", from_0_to_1));
  auto* png =
      sub.add_option("--png", r.png, "write the plot to this PNG file instead of showing a window");
  auto* out =
      sub.add_option("--out", r.out,
                     "write the plot to FILE instead of showing a window: a PNG picture, or "
                     "vector drawing for print, by the extension .png, .svg, .pdf or .eps")
          ->check(accepting("--out", picture_file));
  out->excludes(png);
  sub.add_option("--size", size_text, "the picture's size in pixels, WxH");
  sub.add_option("--scale", r.scale,
                 "a PNG picture at N times the pixels each way, its text, marks and lines as "
                 "large (1 to 4)")
      ->check(accepting("--scale", [](const std::string& v) { return whole_number(v, 1, 4); }));
  if (info.three_d)
    sub.add_option("--rotate", presses,
                   "press the rotation buttons X,Y,Z times before the picture (negative: the "
                   "other way)")
        ->delimiter(',')
        ->allow_extra_args(false)
        ->check(accepting("--rotate",
                          [](const std::string& v) { return whole_number(v, -1000000, 1000000); }));

  switch (r.plot) {
    case PlotKind::biplot:
    case PlotKind::biplot3d:
      sub.add_flag("--shapes", r.shapes, "observations as black marker shapes by group");
      sub.add_flag("--labels", r.labels, "number every observation");
      sub.add_flag("--outliers", r.outliers,
                   "mark the observations beyond the 0.975 chi-square Mahalanobis distance");
      sub.add_flag("--names", r.names, "label the rays by name instead of a numbered legend");
      break;
    case PlotKind::logratio:
    case PlotKind::logratio3d:
      sub.add_flag("--shapes", r.shapes, "observations as black marker shapes by group");
      sub.add_option_function<std::string>(
             "--transform",
             [&r](const std::string& v) {
               r.transform = v == "alr" ? Transform::alr : Transform::balances;
             },
             "alr (against the last part) or balances")
          ->check(accepting("--transform",
                            [](const std::string& v) { return v == "alr" || v == "balances"; }));
      break;
    case PlotKind::ternary: {
      sub.add_flag("--shapes", r.shapes, "points as black marker shapes by group");
      auto* grid = sub.add_flag_callback(
          "--grid", [&r] { r.overlay = TernaryOverlay::grid; }, "draw a 10 % grid");
      auto* pcs = sub.add_flag_callback(
          "--components", [&r] { r.overlay = TernaryOverlay::components; },
          "draw the first two principal components");
      grid->excludes(pcs);
      break;
    }
    case PlotKind::tetrahedron:
      sub.add_flag("--shapes", r.shapes, "points as black marker shapes by group");
      r.corner_names = true;  // the fourth part named too, every name at its corner
      break;
    case PlotKind::predictive:
      r.observations = true;  // drawn under the regions, so a reader sees which fall outside
      sub.add_option("--levels", r.levels,
                     "up to three probabilities, comma-separated: regions of the whole sample, "
                     "where a new observation falls with that probability")
          ->delimiter(',')
          ->allow_extra_args(false)
          ->check(accepting("--levels", probability));
      break;
    case PlotKind::confidence:
      sub.add_flag("--shapes", r.shapes, "centres as black marker shapes by group");
      sub.add_option("--level", r.level, "the confidence level")
          ->check(accepting("--level", probability));
      break;
  }
}

}  // namespace

const PlotInfo& plot_info(PlotKind kind) {
  return kPlots[static_cast<std::size_t>(kind)];
}

Command parse_command_line(int argc, const char* const* argv, std::ostream& out,
                           std::ostream& error) {
  CLI::App app{
      "Plots compositions (positive parts of a whole) from a CSV file with one of the eight "
      "plot plug-ins: shows the plot in a window, or writes it as a PNG.\n"
      "Without a PLOT it runs the embedded samples (--samples).",
      "plot_host"};
  app.require_subcommand(0, 1);
  app.failure_message(usage_error_message);

  SampleRequest samples;
  auto* samples_option =
      app.add_option("--samples", samples.names,
                     "run the embedded samples: all, or those named PLUGIN or PLUGIN:SAMPLE "
                     "(--samples=biplot,ternary:grid)")
          ->expected(0, 100)
          ->delimiter(',');
  auto* list = app.add_flag("--list", samples.list, "list the embedded samples");
  auto* folder =
      app.add_option("--png", samples.png_folder,
                     "samples only: write DIR/PLUGIN-SAMPLE.png instead of showing windows");

  std::array<PlotRequest, kPlots.size()> requests;
  std::array<std::string, kPlots.size()> sizes;
  std::array<std::vector<int>, kPlots.size()> presses;
  std::array<CLI::App*, kPlots.size()> subs{};
  for (std::size_t i = 0; i < kPlots.size(); ++i) {
    requests[i].plot = kPlots[i].kind;
    subs[i] = app.add_subcommand(std::string(kPlots[i].command), std::string(kPlots[i].summary));
    add_plot_options(*subs[i], requests[i], sizes[i], presses[i]);
    subs[i]->excludes(samples_option);
  }

  try {
    app.parse(argc, argv);
    for (std::size_t i = 0; i < kPlots.size(); ++i) {
      if (!subs[i]->parsed()) continue;
      const std::string plot(kPlots[i].command);
      if (folder->count() > 0)
        throw CLI::ValidationError(
            "--png",
            "before the plot's name it names the samples' folder; put it after the "
            "file: plot_host " +
                plot + " FILE.csv --png OUT.png");
      if (list->count() > 0)
        throw CLI::ValidationError("--list", "lists the samples and takes no plot");
      if (!sizes[i].empty()) {
        std::array<int, 2> size{};
        const std::string problem = parse_size(sizes[i], size);
        if (!problem.empty())
          throw CLI::ValidationError("--size",
                                     "\"" + sizes[i] + "\" is not " + accepted_values("--size"));
        requests[i].size = size;
      }
      if (!presses[i].empty()) {
        if (presses[i].size() != 3)
          throw CLI::ValidationError("--rotate takes " + accepted_values("--rotate"));
        std::copy(presses[i].begin(), presses[i].end(), requests[i].rotate.begin());
      }
      const PlotRequest& r = requests[i];
      if (r.scale != 1 && !r.png && !(r.out && lowercase_extension(*r.out) == ".png"))
        throw CLI::ValidationError("--scale",
                                   "applies to a PNG picture: give --png or --out FILE.png");
      if (requests[i].levels.empty() || requests[i].levels.size() > 3)
        throw CLI::ValidationError("--levels takes " + accepted_values("--levels"));
      return requests[i];
    }
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, error);
  }
  return samples;
}
