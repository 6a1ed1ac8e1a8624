#include "owned_rays.h"

#include "core/com/variant.h"

namespace plot::biplot {

std::string owned_string(const plot_string& s) {
  plot_variant item{};
  item.type = PLOT_STRING;
  item.value.string = s;
  return as_string(item);
}

}  // namespace plot::biplot
