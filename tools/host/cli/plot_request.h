#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input/composition_table.h"

enum class PlotKind {
  biplot,
  biplot3d,
  logratio,
  logratio3d,
  ternary,
  tetrahedron,
  predictive,
  confidence
};

enum class Transform { alr, balances };
enum class TernaryOverlay { none, grid, components };

// What the user asked the tool to plot, with every option of every plot (each plot reads its
// own). Every member has its default, so a request names only what differs.
struct PlotRequest {
  PlotKind plot = PlotKind::biplot;
  std::string file{};
  CompositionRequest input{};
  std::optional<std::string> png{};  // else a window
  std::optional<std::string> out{};  // a .png, .svg, .pdf or .eps file, else a window
  std::optional<std::array<int, 2>> size{};
  int scale = 1;                // a PNG's pixels per window pixel, each way
  std::array<int, 3> rotate{};  // rotation presses about x, y, z; negative turns back
  bool shapes = false;
  bool labels = false;
  bool outliers = false;
  bool names = false;
  bool corner_names =
      false;  // tetrahedron: the fourth part names the apex, each name at its corner
  bool observations = false;  // region plots: the compositions drawn under the curves
  Transform transform = Transform::alr;
  bool short_balance_names = false;  // the 3D balances as "b1", "b2", "b3", not their formulas
  TernaryOverlay overlay = TernaryOverlay::none;
  std::vector<double> levels{0.9, 0.95, 0.99};
  double level = 0.95;
};

// A run of the embedded samples, as the tool did before it read files.
struct SampleRequest {
  std::vector<std::string> names;  // PLUGIN or PLUGIN:SAMPLE; empty: all
  std::optional<std::string> png_folder;
  bool list = false;
};

struct PlotInfo {
  PlotKind kind;
  std::string_view command;
  std::string_view plugin;
  std::string_view summary;
  bool three_d;
};
const PlotInfo& plot_info(PlotKind kind);
