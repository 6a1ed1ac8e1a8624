#include "pellin_sample.h"

#include <cmath>
#include <random>

#include "../plots/plot_builders.h"
#include "normal_draw.h"

namespace {

constexpr int kGroups = 3;
constexpr int kPerGroup = 50;

// Logistic-normal compositions around a different centre for each group, closed to 1.
CompositionTable make_compositions() {
  constexpr double kCentre[kGroups][2] = {{0.9, 0.3}, {-0.5, 0.8}, {0.2, -0.9}};
  std::mt19937 engine(20240611u);
  CompositionTable table;
  table.part_names = {"x1", "x2", "x3"};
  table.groups = {"1", "2", "3"};
  table.parts.resize(kGroups * kPerGroup, 3);
  for (int g = 0; g < kGroups; ++g)
    for (int k = 0; k < kPerGroup; ++k) {
      const double a = std::exp(kCentre[g][0] + 0.35 * standard_normal(engine));
      const double b = std::exp(kCentre[g][1] + 0.35 * standard_normal(engine));
      const double total = a + b + 1;
      table.parts.row(g * kPerGroup + k) << a / total, b / total, 1 / total;
      table.group.push_back(g + 1);
    }
  return table;
}

void show(const PluginApi& api, bool markers) {
  PlotRequest request;
  request.plot = PlotKind::logratio;
  request.file = "the Pellin sample";
  request.shapes = markers;
  show_logratio(api, make_compositions(), request);
}

}  // namespace

void show_pellin_dots(const PluginApi& api) {
  show(api, false);
}

void show_pellin_markers(const PluginApi& api) {
  show(api, true);
}
