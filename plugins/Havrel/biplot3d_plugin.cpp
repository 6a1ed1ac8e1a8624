#include "biplot3d_plugin.h"

namespace plot {

const PluginDefinition& plugin_definition() {
  return plugin_definition_of<Biplot3dPlugin>();
}

}  // namespace plot
