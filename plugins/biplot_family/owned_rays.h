#pragma once

#include <cstdint>
#include <string>

#include "core/com/variant.h"
#include "core/errors/fixed_array.h"
#include "plot_biplot_records.h"

namespace plot::biplot {

// The rays record as a renderer keeps it (Vector_Linies, or Vector_Linies_3D with Punt =
// PuntBi3D), its names' bytes owned here so the host may free its record at once.
template <typename Punt>
struct OwnedRays {
  Punt Punts[PLOT_BIPLOT_RAYS]{};
  FixedArray<std::string, 0, PLOT_BIPLOT_RAYS - 1> nomeixos;
  int16_t long_ = 0;
  float cpe[PLOT_BIPLOT_RAYS]{};
  int16_t rang = 0;
};

// The 3D record spells it Rang.
inline int16_t rang_of(const Vector_Linies& rays) {
  return rays.rang;
}
inline int16_t rang_of(const Vector_Linies_3D& rays) {
  return rays.Rang;
}

// Field by field, in the record's order.
template <typename Punt, typename Record>
void copy_rays(OwnedRays<Punt>& to, const Record& from) {
  for (int32_t k = 0; k < PLOT_BIPLOT_RAYS; ++k) {
    to.Punts[k] = from.Punts[k];
    to.nomeixos(k) = as_string(from.nomeixos[k]);
  }
  to.long_ = from.long_;
  for (int32_t j = 0; j < PLOT_BIPLOT_RAYS; ++j) to.cpe[j] = from.cpe[j];
  to.rang = rang_of(from);
}

}  // namespace plot::biplot
