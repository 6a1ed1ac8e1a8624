#include "core/exchange/value_conversion.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/errors/checked_int16.h"
#include "core/errors/runtime_error.h"

namespace plot {
namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// The decimal number grammar: [sign] digits [. digits] [e|E [sign] digits], at least one digit
// in the mantissa. from_chars alone would also take "inf", "nan" and hex digits after "0x".
struct NumberShape {
  bool valid = false;
  bool negative = false;
  std::string_view unsigned_text;  // What from_chars gets: it refuses a leading '+'.
  bool below_one = false;          // |value| < 1, to tell underflow from overflow.
};

NumberShape shape_of(std::string_view text) {
  NumberShape shape;
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    shape.negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t start = pos;
  // Decimal order of the first significant digit, before the exponent.
  long order = 0;
  bool seen_significant = false;
  bool seen_digit = false;
  while (pos < text.size() && is_digit(text[pos])) {
    seen_digit = true;
    if (text[pos] != '0') seen_significant = true;
    if (seen_significant) ++order;
    ++pos;
  }
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && is_digit(text[pos])) {
      seen_digit = true;
      if (!seen_significant) {
        if (text[pos] != '0')
          seen_significant = true;
        else
          --order;
      }
      ++pos;
    }
  }
  if (!seen_digit) return shape;
  long exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    bool exponent_negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      exponent_negative = text[pos] == '-';
      ++pos;
    }
    if (pos == text.size() || !is_digit(text[pos])) return shape;
    while (pos < text.size() && is_digit(text[pos])) {
      // Saturate: anything this large is out of every range anyway.
      if (exponent < 1'000'000) exponent = exponent * 10 + (text[pos] - '0');
      ++pos;
    }
    if (exponent_negative) exponent = -exponent;
  }
  if (pos != text.size()) return shape;
  shape.valid = true;
  shape.unsigned_text = text.substr(start);
  // A leading digit of order `order` (1 for units) times 10^exponent is below one when the
  // sum is at most zero.
  shape.below_one = !seen_significant || order + exponent <= 0;
  return shape;
}

template <typename Float>
std::errc parse_unsigned(std::string_view text, Float& value) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec;
}

double signed_value(const NumberShape& shape, double magnitude) {
  return shape.negative ? -magnitude : magnitude;
}

double shaped_to_double(const NumberShape& shape) {
  double magnitude = 0;
  if (parse_unsigned(shape.unsigned_text, magnitude) == std::errc{})
    return signed_value(shape, magnitude);
  // Out of double's range. The wider type still keeps subnormals that from_chars refuses.
  long double wide = 0;
  if (parse_unsigned(shape.unsigned_text, wide) == std::errc{}) {
    const auto narrowed = static_cast<double>(wide);
    if (std::isinf(narrowed)) raise(ErrorNumber::Overflow);
    return signed_value(shape, narrowed);
  }
  if (!shape.below_one) raise(ErrorNumber::Overflow);
  return signed_value(shape, 0.0);
}

NumberShape number_shape(std::string_view text) {
  NumberShape shape = shape_of(text);
  if (!shape.valid) raise(ErrorNumber::TypeMismatch);
  return shape;
}

bool equals_ignoring_case(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper[i]) return false;
  }
  return true;
}

}  // namespace

double value_to_double(std::string_view text) {
  return shaped_to_double(number_shape(text));
}

float value_to_float(std::string_view text) {
  const NumberShape shape = number_shape(text);
  float magnitude = 0;
  if (parse_unsigned(shape.unsigned_text, magnitude) == std::errc{})
    return shape.negative ? -magnitude : magnitude;
  const double wide = shaped_to_double(shape);
  if (std::fabs(wide) > static_cast<double>(std::numeric_limits<float>::max()))
    raise(ErrorNumber::Overflow);
  return static_cast<float>(wide);
}

int16_t value_to_int16(std::string_view text) {
  return round_to_int16(value_to_double(text));
}

bool value_to_logical(std::string_view text) {
  if (equals_ignoring_case(text, "#TRUE#")) return true;
  if (equals_ignoring_case(text, "#FALSE#")) return false;
  return value_to_double(text) != 0.0;
}

}  // namespace plot
