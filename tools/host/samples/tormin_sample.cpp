#include "tormin_sample.h"

#include "../plots/plot_builders.h"
#include "grouped_sample.h"

namespace {

// Logistic-normal compositions around a different centre per group, in percent: the plug-in
// computes its coordinates itself, and the unit of the parts does not move them.
CompositionTable tormin_table() {
  CompositionTable table = logistic_normal_sample(
      {"x1", "x2", "x3", "x4"},
      {{{0.9, 0.2, -0.4, 0}, 0.3}, {{-0.5, 0.8, 0.3, 0}, 0.3}, {{0.2, -0.7, 0.9, 0}, 0.3}}, 40,
      20240612u);
  table.parts *= 100;
  return table;
}

void show(const PluginApi& api, PlotRequest request) {
  request.plot = PlotKind::logratio3d;
  request.file = "the Tormin sample";
  show_logratio3d(api, tormin_table(), request);
}

}  // namespace

void show_tormin_alr_dots(const PluginApi& api) {
  show(api, {.transform = Transform::alr});
}

void show_tormin_balance_shapes(const PluginApi& api) {
  show(api, {.shapes = true, .transform = Transform::balances, .short_balance_names = true});
}

void show_tormin_rotated(const PluginApi& api) {
  show_tormin_alr_dots(api);
  for (const char* button : {"Rot_YY", "Rot_YY", "Rot_XX", "inc_zoom"}) api.click(button);
}
