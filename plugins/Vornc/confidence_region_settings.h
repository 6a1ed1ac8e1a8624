#pragma once

#include <cstdint>

#include "core/com/plugin_settings.h"
#include "core/com/string_array.h"
#include "core/render/boolean.h"

namespace plot {

// What steers the confidence regions, as the host sets it on CDades_VORN_C. A new object holds
// false and 0.
struct ConfidenceRegionSettings {
  Boolean formes;         // marker shapes instead of coloured dots for the centres
  int16_t nGrups = 0;     // groups drawn, 1 to 10
  StringArray nomsGrups;  // their names (1 To nGrups) in place of "Grup j"
  Boolean corbesColor;    // each group's curve in its colour, else black
};

inline constexpr auto kConfidenceRegionSettings =
    settings_table(setting("formes", &ConfidenceRegionSettings::formes),
                   setting("nGrups", &ConfidenceRegionSettings::nGrups),
                   setting("nomsGrups", &ConfidenceRegionSettings::nomsGrups),
                   setting("corbesColor", &ConfidenceRegionSettings::corbesColor));

}  // namespace plot
