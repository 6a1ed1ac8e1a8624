#include "core/text/number_text.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace plot {
namespace {

constexpr int kSignificantDigits = 7;
// A float's exact decimal expansion has at most 112 significant digits; printing more than
// that makes the rounding decision below exact.
constexpr int kExactDigits = 120;

struct Decimal {
  std::string digits;  // kSignificantDigits digits, the first non-zero
  int exponent = 0;    // value = d.ddddddd * 10^exponent
};

// Rounds |value| (finite, non-zero) to seven significant digits, ties away from zero.
Decimal round_to_seven(float value) {
  char buffer[kExactDigits + 16];
  const double magnitude = std::fabs(static_cast<double>(value));  // exact: float widens
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, kExactDigits);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  // text is "d.ddd...e+XX".
  const std::size_t e = text.find('e');
  Decimal out;
  out.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  std::string all;
  all += text[0];
  all += text.substr(2, e - 2);
  out.digits = all.substr(0, kSignificantDigits);
  // The expansion is exact, so a tie shows as 5 followed by zeros and rounds up like any
  // larger tail.
  if (all[kSignificantDigits] >= '5') {
    int i = kSignificantDigits - 1;
    while (i >= 0 && out.digits[static_cast<std::size_t>(i)] == '9')
      out.digits[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++out.digits[static_cast<std::size_t>(i)];
    } else {
      out.digits.assign(kSignificantDigits, '0');
      out.digits[0] = '1';
      ++out.exponent;
    }
  }
  return out;
}

}  // namespace

std::string int16_text(int16_t value) {
  return std::to_string(value);
}

std::string single_text(float value, std::string_view decimal_point) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  if (value == 0) return "0";  // negative zero too

  Decimal d = round_to_seven(value);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();

  std::string out = value < 0 ? "-" : "";
  if (d.exponent < -4 || d.exponent >= kSignificantDigits) {
    out += d.digits[0];
    if (d.digits.size() > 1) {
      out += decimal_point;
      out += d.digits.substr(1);
    }
    out += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
  } else if (d.exponent < 0) {
    out += '0';
    out += decimal_point;
    out += std::string(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += d.digits;
  } else {
    const auto integer_digits = static_cast<std::size_t>(d.exponent + 1);
    if (d.digits.size() <= integer_digits) {
      out += d.digits;
      out += std::string(integer_digits - d.digits.size(), '0');
    } else {
      out += d.digits.substr(0, integer_digits);
      out += decimal_point;
      out += d.digits.substr(integer_digits);
    }
  }
  return out;
}

std::string single_text(float value) {
  const std::lconv* conventions = std::localeconv();
  const char* point = conventions != nullptr ? conventions->decimal_point : nullptr;
  return single_text(value, point != nullptr && *point != '\0' ? point : ".");
}

std::string with_blank(std::string_view text) {
  std::string out(text);
  out += ' ';
  return out;
}

}  // namespace plot
