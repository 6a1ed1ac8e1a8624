#pragma once

#include "core/com/string_array.h"
#include "plot_biplot_records.h"
#include "plugins/biplot_family/biplot_settings.h"

namespace plot {

// What the host sets before it shows the 2D biplot: the six flags of the biplot family.
class CDades_biplot : public BiplotFlags {
 public:
  // Shows the plot in the plug-in's one viewer form; a run-time error reaches the host and
  // the window is then not shown.
  void mostrar(Vector_Punts_bi& VPt, Vector_Linies& VLt, StringArray& coor);
};

}  // namespace plot
