#include <stdexcept>

#include "plot_builders.h"

void show_plot(const PluginApi& api, const CompositionTable& table, const PlotRequest& request) {
  switch (request.plot) {
    case PlotKind::biplot:
      return show_biplot(api, table, request);
    case PlotKind::biplot3d:
      return show_biplot3d(api, table, request);
    case PlotKind::logratio3d:
      return show_logratio3d(api, table, request);
    case PlotKind::predictive:
      return show_predictive(api, table, request);
    case PlotKind::confidence:
      return show_confidence(api, table, request);
    case PlotKind::logratio:
      return show_logratio(api, table, request);
    case PlotKind::ternary:
      return show_ternary(api, table, request);
    case PlotKind::tetrahedron:
      return show_tetrahedron(api, table, request);
  }
  throw std::logic_error("no builder for this plot");
}
