#include "confidence_region_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  return plugin_definition_of<ConfidenceRegionPlugin>();
}

}  // namespace plot
