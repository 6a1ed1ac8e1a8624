#pragma once

#include <cstdint>

#include "core/com/string_array.h"
#include "core/errors/fixed_array.h"
#include "core/render/renderer.h"

namespace plot {

struct Rgb {
  float r, g, b;
};

// The colours of groups 1 to 10 (entry 0 is black too); there is no entry above 10, so a
// legend asking for group 11 is "Subscript out of range".
using GroupColourTable = FixedArray<Rgb, 0, 10>;
const GroupColourTable& group_colour_table();

enum class LegendSample {
  MarkerShape,  // the marker list of shape g, in the current colour
  ColourDot,    // one point in the table's colour g, at the point size in force
};

// Where a plot puts its group legend, in the plot's model units.
struct LegendLayout {
  Vec3 origin;            // row 1's sample
  double row_step;        // rows go down by this much
  double text_dx;         // the row's text starts this far right of the sample
  double text_dy;         // and this far below it
  bool raster_at_sample;  // some plots set the raster position at the sample first
};

// Rows g = 1 to `groups` of the sample and "Grup g ", or the host's name g when `names` holds
// any (checked by check_group_names; a character without a glyph shows as '?'); nothing for
// zero or fewer. Marker samples above shape 10 draw no mark; colour samples above 10 raise
// after the rows before them.
void draw_group_legend(Renderer& renderer, const LegendLayout& layout, LegendSample sample,
                       int16_t groups, const StringArray& names);

}  // namespace plot
