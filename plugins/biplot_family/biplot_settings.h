#pragma once

#include <cstdint>

#include "core/com/plugin_settings.h"
#include "core/com/string_array.h"
#include "core/render/boolean.h"

namespace plot {

// What steers a biplot, as the host sets it on CDades_biplot and CDades_Havrel. The 2D form
// hands it to the renderer; the 3D renderer reads its own from the options file. A new object
// holds false and 0.
struct BiplotSettings {
  Boolean printeixos;    // true: rays labelled by name; false: numbered, with a legend of names
  Boolean observation;   // true: observations and the group legend are drawn
  Boolean outlier_mark;  // true: outliers get the outlier mark and "= Outliers " is shown
  Boolean labels;        // true: every observation carries its number
  Boolean formes;        // true: black marker shapes by forma; false: dots in their own colour
  int16_t nGrups = 0;    // groups listed in the group legend
  StringArray
      nomsGrups;  // their names (1 To nGrups) in place of "Grup j"; the 3D renderer's from its file
  // The renderer's alone: part of its interface, read by no biplot drawing.
  double centreX = 0;
  double centreY = 0;
};

inline constexpr auto kBiplotSettings = settings_table(
    setting("printeixos", &BiplotSettings::printeixos),
    setting("observation", &BiplotSettings::observation),
    setting("outlier_mark", &BiplotSettings::outlier_mark),
    setting("labels", &BiplotSettings::labels), setting("formes", &BiplotSettings::formes),
    setting("nGrups", &BiplotSettings::nGrups),
    setting("centreX", &BiplotSettings::centreX, SettingOn::RendererOnly),
    setting("centreY", &BiplotSettings::centreY, SettingOn::RendererOnly),
    setting("nomsGrups", &BiplotSettings::nomsGrups));

}  // namespace plot
