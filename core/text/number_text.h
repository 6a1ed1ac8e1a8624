#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plot {

// How the plots turn numbers into the texts they draw: the host's own conversions, so that a
// label reads the same as in the host.

// Plain decimal, as "-12".
std::string int16_text(int16_t value);

// The general number format of a 32-bit float: at most seven significant digits, rounded half
// away from zero, no trailing zeros, no leading blank. Fixed notation for decimal exponents
// -5 < e < 7 ("0.0001", "1234567"), exponent form otherwise ("1E-05", "1.234568E+07").
std::string single_text(float value, std::string_view decimal_point);
// The same with the decimal separator of the current LC_NUMERIC locale.
std::string single_text(float value);

// Every text handed to glPrint ends with one blank.
std::string with_blank(std::string_view text);

}  // namespace plot
