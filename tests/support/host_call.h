#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "plot_plugin.h"
#include "plot_variants.h"

namespace plot::testing {

// `coor` bounded lower To upper as a host passes it, one-letter names kept in `storage`.
inline plot_variant names_argument(int32_t lower, int32_t upper,
                                   std::vector<plot_string>& storage) {
  static const char* const letters = "ABCDEFGHIJ";
  storage.clear();
  for (int32_t i = 0; i <= upper - lower; ++i) storage.push_back({letters + i % 10, 1});
  return plot_variant_strings(lower, upper, storage.data());
}

// mostrar through the C interface; the error number, 0 for none. A failed mostrar leaves the
// window closed, a good one shows it.
inline int32_t call_mostrar(plot_object* data, plot_variant* arguments, int32_t count) {
  plot_error error{};
  const int32_t status = plot_call(data, "mostrar", arguments, count, nullptr, &error);
  EXPECT_EQ(status, error.number);
  EXPECT_EQ(plot_viewer_shown() != 0, status == 0) << error.text;
  return status;
}

}  // namespace plot::testing
