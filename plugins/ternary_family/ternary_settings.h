#pragma once

#include <cstdint>
#include <string>

#include "core/com/plugin_settings.h"
#include "core/com/string_array.h"
#include "core/render/boolean.h"

namespace plot {

// What steers a ternary diagram, as the host sets it on CDades_Ternary and CDades_Quadrel. The
// 2D form hands it to the renderer; the tetrahedron takes nGrups from its options file and
// reads no graella. A new object holds "", false and 0.
struct TernarySettings {
  std::string graella;  // "pc": components; "Error": nothing; anything else: the grid
  Boolean formes;       // marker shapes instead of coloured dots
  int16_t nGrups = 0;   // groups in the legend
  StringArray
      nomsGrups;  // their names (1 To nGrups) in place of "Grup j"; the tetrahedron's from its file
};

inline constexpr auto kTernarySettings = settings_table(
    setting("graella", &TernarySettings::graella), setting("formes", &TernarySettings::formes),
    setting("nGrups", &TernarySettings::nGrups), setting("nomsGrups", &TernarySettings::nomsGrups));

}  // namespace plot
