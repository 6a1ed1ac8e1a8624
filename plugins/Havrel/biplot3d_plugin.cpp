#include "biplot3d_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = plugin_definition_of<Biplot3dPlugin>();
  return definition;
}

}  // namespace plot
