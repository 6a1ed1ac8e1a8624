#include "logratio3d_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = plugin_definition_of<LogRatio3dPlugin>();
  return definition;
}

}  // namespace plot
