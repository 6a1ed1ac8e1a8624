#include <cstring>

#include "sample.h"

std::vector<plot_string> counted_strings(std::span<const char* const> texts) {
  std::vector<plot_string> strings;
  for (const char* text : texts) strings.push_back({text, static_cast<int32_t>(std::strlen(text))});
  return strings;
}
