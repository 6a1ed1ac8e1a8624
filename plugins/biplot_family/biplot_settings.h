#pragma once

#include <cstdint>

#include "core/com/class_table.h"
#include "core/render/boolean.h"

namespace plot {

// The six flags that steer a biplot, as the host sets them on CDades_biplot and CDades_Havrel.
// A new object holds false and 0.
struct BiplotFlags {
  Boolean printeixos;    // true: rays labelled by name; false: numbered, with a legend of names
  Boolean observation;   // true: observations and the group legend are drawn
  Boolean outlier_mark;  // true: outliers get the outlier mark and "= Outliers " is shown
  Boolean labels;        // true: every observation carries its number
  Boolean formes;        // true: black marker shapes by forma; false: dots in their own colour
  int16_t nGrups = 0;    // groups listed in the group legend
};

// The flags as properties of a data-entry class, in the host's order.
template <typename C>
ClassBuilder<C>& add_biplot_flags(ClassBuilder<C>& c) {
  return c.property("printeixos", &BiplotFlags::printeixos)
      .property("observation", &BiplotFlags::observation)
      .property("outlier_mark", &BiplotFlags::outlier_mark)
      .property("labels", &BiplotFlags::labels)
      .property("formes", &BiplotFlags::formes)
      .property("nGrups", &BiplotFlags::nGrups);
}

// The biplot renderers' own properties; formes and nGrups are every renderer's. centreX and
// centreY are part of the interface, but no biplot drawing reads them.
struct BiplotRendererFlags {
  double centreX = 0;
  double centreY = 0;
  Boolean printeixos;
  Boolean observation;
  Boolean outlier_mark;
  Boolean labels;
};

template <typename C>
ClassBuilder<C>& add_biplot_renderer_flags(ClassBuilder<C>& c) {
  return c.property("centreX", &BiplotRendererFlags::centreX)
      .property("centreY", &BiplotRendererFlags::centreY)
      .property("printeixos", &BiplotRendererFlags::printeixos)
      .property("observation", &BiplotRendererFlags::observation)
      .property("outlier_mark", &BiplotRendererFlags::outlier_mark)
      .property("labels", &BiplotRendererFlags::labels);
}

}  // namespace plot
