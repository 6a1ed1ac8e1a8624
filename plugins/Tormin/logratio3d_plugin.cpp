#include "logratio3d_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  return plugin_definition_of<LogRatio3dPlugin>();
}

}  // namespace plot
