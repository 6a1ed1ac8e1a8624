#include "ternary_texts.h"

#include "core/errors/checked_int16.h"
#include "core/text/number_text.h"

namespace plot {

std::string grid_label(double x) {
  return with_blank(int16_text(round_to_int16(x * 100)));
}

std::string coefficient_row(const float (&pc)[6], int first) {
  return with_blank(single_text(pc[first]) + "  " + single_text(pc[first + 1]) + "  " +
                    single_text(pc[first + 2]));
}

}  // namespace plot
