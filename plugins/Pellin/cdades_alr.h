#pragma once

#include <cstdint>

#include "core/com/string_array.h"
#include "core/render/boolean.h"
#include "plot_logratio_records.h"

namespace plot {

// What the host sets before it shows the 2D log-ratio plot.
class CDades_ALR {
 public:
  Boolean formes;  // true: black marker shapes by group; false: dots in their own colours
  int16_t nGrups = 0;
  double centreX = 0;
  double centreY = 0;

  // Shows the plot in the plug-in's one viewer form; a run-time error reaches the host and
  // the window is then not shown.
  void mostrar(Vector_Punts_arl& VPt, StringArray& coor);
};

}  // namespace plot
