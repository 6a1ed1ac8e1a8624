#include "ternary_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = plugin_definition_of<TernaryPlugin>();
  return definition;
}

}  // namespace plot
