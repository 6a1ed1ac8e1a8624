#include "logratio_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  return plugin_definition_of<LogRatioPlugin>();
}

}  // namespace plot
