#include "predictive_region_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  return plugin_definition_of<PredictiveRegionPlugin>();
}

}  // namespace plot
