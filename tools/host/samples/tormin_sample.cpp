#include "tormin_sample.h"

#include <cmath>
#include <random>

#include "../plots/plot_builders.h"
#include "normal_draw.h"

namespace {

constexpr int kGroups = 3;
constexpr int kPerGroup = 40;

// Logistic-normal compositions around a different centre per group, in percent: the plug-in
// computes its coordinates itself, and the unit of the parts does not move them.
CompositionTable tormin_table() {
  constexpr double kCentre[kGroups][3] = {{0.9, 0.2, -0.4}, {-0.5, 0.8, 0.3}, {0.2, -0.7, 0.9}};
  std::mt19937 engine(20240612u);
  CompositionTable table;
  table.part_names = {"x1", "x2", "x3", "x4"};
  table.groups = {"1", "2", "3"};
  table.parts.resize(kGroups * kPerGroup, 4);
  for (int g = 0; g < kGroups; ++g)
    for (int k = 0; k < kPerGroup; ++k) {
      const int row = g * kPerGroup + k;
      table.parts(row, 3) = 1;
      for (int j = 0; j < 3; ++j)
        table.parts(row, j) = std::exp(kCentre[g][j] + 0.3 * standard_normal(engine));
      table.parts.row(row) *= 100 / table.parts.row(row).sum();
      table.group.push_back(g + 1);
    }
  return table;
}

void show(const PluginApi& api, Transform transform, bool shapes) {
  PlotRequest request;
  request.plot = PlotKind::logratio3d;
  request.file = "the Tormin sample";
  request.transform = transform;
  request.shapes = shapes;
  show_logratio3d(api, tormin_table(), request);
}

}  // namespace

void show_tormin_alr_dots(const PluginApi& api) {
  show(api, Transform::alr, false);
}

void show_tormin_balance_shapes(const PluginApi& api) {
  show(api, Transform::balances, true);
}

void show_tormin_rotated(const PluginApi& api) {
  show_tormin_alr_dots(api);
  for (const char* button : {"Rot_YY", "Rot_YY", "Rot_XX", "inc_zoom"}) api.click(button);
}
