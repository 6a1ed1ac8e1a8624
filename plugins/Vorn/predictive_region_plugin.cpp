#include "predictive_region_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = plugin_definition_of<PredictiveRegionPlugin>();
  return definition;
}

}  // namespace plot
