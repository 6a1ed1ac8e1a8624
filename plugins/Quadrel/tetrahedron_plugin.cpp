#include "tetrahedron_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = plugin_definition_of<TetrahedronPlugin>();
  return definition;
}

}  // namespace plot
