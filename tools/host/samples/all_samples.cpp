#include "biplot_sample.h"
#include "havrel_sample.h"
#include "named_groups_sample.h"
#include "pellin_sample.h"
#include "quadrel_sample.h"
#include "sample.h"
#include "ternary_sample.h"
#include "tormin_sample.h"
#include "vorn_sample.h"
#include "vornc_sample.h"

std::vector<Sample> all_samples() {
  return {
      {"biplot", "dots", &show_biplot_dots},
      {"biplot", "shapes", &show_biplot_shapes},
      {"Havrel", "colours", &show_havrel_colours},
      {"Havrel", "turned", &show_havrel_colours_turned},
      {"Havrel", "shapes", &show_havrel_shapes},
      {"Pellin", "dots", &show_pellin_dots},
      {"Pellin", "markers", &show_pellin_markers},
      {"Tormin", "alr-dots", &show_tormin_alr_dots},
      {"Tormin", "balance-shapes", &show_tormin_balance_shapes},
      {"Tormin", "rotated", &show_tormin_rotated},
      {"ternary", "grid", &show_ternary_grid},
      {"ternary", "pc", &show_ternary_components},
      {"ternary", "Error", &show_ternary_points_only},
      {"Quadrel", "shapes", &show_quadrel_shapes},
      {"Quadrel", "dots", &show_quadrel_dots},
      {"Quadrel", "rotated", &show_quadrel_rotated},
      {"Quadrel", "corners", &show_quadrel_corners},
      {"Vorn", "regions", &show_vorn_regions},
      {"Vorn", "observations", &show_vorn_observations},
      {"Vornc", "dots", &show_vornc_dots},
      {"Vornc", "markers", &show_vornc_markers},
      {"ternary", "named-groups", &show_ternary_named_groups},
  };
}
