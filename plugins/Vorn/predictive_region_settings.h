#pragma once

#include <cstdint>

#include "core/com/plugin_settings.h"
#include "core/com/string_array.h"
#include "core/render/boolean.h"

namespace plot {

// What steers the predictive regions, as the host sets it on CDades_vorn: only the group
// legend, which a host that sets nothing does not get. A new object holds 0 and no names.
struct PredictiveRegionSettings {
  int16_t nGrups = 0;     // groups in the colour legend, as the confidence plot lists them
  StringArray nomsGrups;  // their names (1 To nGrups) in place of "Grup j"
  Boolean formes;         // the observations as black markers by forma instead of dots
};

inline constexpr auto kPredictiveRegionSettings =
    settings_table(setting("nGrups", &PredictiveRegionSettings::nGrups),
                   setting("nomsGrups", &PredictiveRegionSettings::nomsGrups),
                   setting("formes", &PredictiveRegionSettings::formes));

}  // namespace plot
