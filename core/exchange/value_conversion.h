#pragma once

#include <cstdint>
#include <string_view>

namespace plot {

// Conversions of one exchange-file value, already stripped of blanks and quotes. Numbers use
// '.' whatever the locale. A text that is not a number is "Type mismatch"; a number too large
// for its type is "Overflow"; one too small for it becomes zero, as the host's own input does.

double value_to_double(std::string_view text);
float value_to_float(std::string_view text);

// Rounded to the nearest integer, halves to even.
int16_t value_to_int16(std::string_view text);

// #TRUE# or #FALSE# in any case, or a number: zero is false, anything else true.
bool value_to_logical(std::string_view text);

}  // namespace plot
