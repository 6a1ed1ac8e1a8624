#include "pellin_sample.h"
#include "sample.h"
#include "ternary_sample.h"
#include "tormin_sample.h"

std::vector<Sample> all_samples() {
  return {
      {"biplot", "bare", [](const PluginApi& a) { show_bare_viewer(a, "CDades_biplot"); }},
      {"Havrel", "bare", [](const PluginApi& a) { show_bare_viewer(a, "CDades_Havrel"); }},
      {"Pellin", "dots", &show_pellin_dots},
      {"Pellin", "markers", &show_pellin_markers},
      {"Tormin", "alr-dots", &show_tormin_alr_dots},
      {"Tormin", "balance-shapes", &show_tormin_balance_shapes},
      {"Tormin", "rotated", &show_tormin_rotated},
      {"ternary", "grid", &show_ternary_grid},
      {"ternary", "pc", &show_ternary_components},
      {"ternary", "Error", &show_ternary_points_only},
      {"Quadrel", "bare", [](const PluginApi& a) { show_bare_viewer(a, "CDades_Quadrel"); }},
      {"Vorn", "bare", [](const PluginApi& a) { show_bare_viewer(a, "CDades_vorn"); }},
      {"Vornc", "bare", [](const PluginApi& a) { show_bare_viewer(a, "CDades_VORN_C"); }},
  };
}
