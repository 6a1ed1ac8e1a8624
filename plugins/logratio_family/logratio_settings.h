#pragma once

#include <cstdint>

#include "core/com/plugin_settings.h"
#include "core/com/string_array.h"
#include "core/render/boolean.h"

namespace plot {

// What steers a log-ratio plot, as the host sets it on CDades_ALR and CDades_ALR_3D. The 2D
// form hands it to the renderer; the 3D renderer takes nGrups from its options file and leaves
// the rest as they start. A new object holds false and 0.
struct LogRatioSettings {
  Boolean formes;      // true: black marker shapes by group; false: dots in their own colours
  int16_t nGrups = 0;  // groups listed in the legend
  StringArray
      nomsGrups;  // their names (1 To nGrups) in place of "Grup j"; the 3D renderer's from its file
  double centreX = 0;  // the blue centre mark, in the frame of the axes
  double centreY = 0;
};

inline constexpr auto kLogRatioSettings = settings_table(
    setting("formes", &LogRatioSettings::formes), setting("nGrups", &LogRatioSettings::nGrups),
    setting("centreX", &LogRatioSettings::centreX), setting("centreY", &LogRatioSettings::centreY),
    setting("nomsGrups", &LogRatioSettings::nomsGrups));

}  // namespace plot
