#include "biplot_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = plugin_definition_of<BiplotPlugin>();
  return definition;
}

}  // namespace plot
