#include "core/com/variant.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "core/errors/checked_int16.h"
#include "plot_variants.h"

namespace plot {
namespace {

double as_number(const plot_variant& value) {
  switch (variant_tag(value)) {
    case PLOT_EMPTY:
      return 0;
    case PLOT_BOOL:
      return value.value.boolean != 0 ? -1 : 0;
    case PLOT_I2:
      return value.value.i2;
    case PLOT_I4:
      return value.value.i4;
    case PLOT_R4:
      return value.value.r4;
    case PLOT_R8:
      return value.value.r8;
    default:
      raise(ErrorNumber::TypeMismatch);
  }
}

}  // namespace

int16_t as_int16(const plot_variant& value) {
  if (variant_tag(value) == PLOT_I2) return value.value.i2;
  return round_to_int16(as_number(value));
}

int32_t as_int32(const plot_variant& value) {
  if (variant_tag(value) == PLOT_I4) return value.value.i4;
  const double number = as_number(value);
  if (!(number > -2147483648.5 && number < 2147483647.5)) raise(ErrorNumber::Overflow);
  return static_cast<int32_t>(std::nearbyint(number));
}

float as_single(const plot_variant& value) {
  if (variant_tag(value) == PLOT_R4) return value.value.r4;
  const double number = as_number(value);
  if (std::isfinite(number) && std::fabs(number) > std::numeric_limits<float>::max())
    raise(ErrorNumber::Overflow);
  return static_cast<float>(number);
}

double as_double(const plot_variant& value) {
  return as_number(value);
}

Boolean as_boolean(const plot_variant& value) {
  return Boolean(as_number(value) != 0);
}

std::string owned_string(const plot_string& s) {
  if (s.length < 0 || (s.length > 0 && s.data == nullptr)) raise(ErrorNumber::InvalidCall);
  return std::string(s.data == nullptr ? "" : s.data, static_cast<std::size_t>(s.length));
}

std::string as_string(const plot_variant& value) {
  if (variant_tag(value) == PLOT_EMPTY) return {};
  if (variant_tag(value) != PLOT_STRING) raise(ErrorNumber::TypeMismatch);
  return owned_string(value.value.string);
}

std::string as_string(const plot_string& value) {
  return as_string(plot_variant_string(value.data, value.length));
}

StringArray as_strings(const plot_variant& value) {
  if (variant_tag(value) != PLOT_STRINGS) raise(ErrorNumber::TypeMismatch);
  const plot_strings& array = value.value.strings;
  // In 64 bits: a lower bound of -2147483648 has no 32-bit predecessor.
  const int64_t count = int64_t{array.upper} - int64_t{array.lower} + 1;
  if (count < 0 || (count > 0 && array.items == nullptr)) raise(ErrorNumber::InvalidCall);
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(count));
  for (int64_t i = 0; i < count; ++i) items.push_back(owned_string(array.items[i]));
  return StringArray(array.lower, std::move(items));
}

DoubleArray2 as_r8_array2(const plot_variant& value) {
  if (variant_tag(value) != PLOT_R8_ARRAY2) raise(ErrorNumber::TypeMismatch);
  const plot_r8_array2& array = value.value.r8_array2;
  // In 64 bits: a lower bound of the smallest 32-bit value must not wrap.
  if (int64_t{array.row_upper} < int64_t{array.row_lower} - 1 ||
      int64_t{array.column_upper} < int64_t{array.column_lower} - 1)
    raise(ErrorNumber::InvalidCall);
  // Bounds without their items are refused before room is taken for them; more items than
  // 64 bits can count are no host's array.
  const int64_t rows = int64_t{array.row_upper} - array.row_lower + 1;
  const int64_t columns = int64_t{array.column_upper} - array.column_lower + 1;
  if (columns > 0 && rows > std::numeric_limits<int64_t>::max() / columns)
    raise(ErrorNumber::InvalidCall);
  const int64_t count = rows * columns;
  if (count > 0 && array.items == nullptr) raise(ErrorNumber::InvalidCall);
  DoubleArray2 copy(array.row_lower, array.row_upper, array.column_lower, array.column_upper);
  std::copy(array.items, array.items + count, copy.data());
  return copy;
}

plot_variant variant_of(int16_t value) {
  return plot_variant_i2(value);
}

plot_variant variant_of(int32_t value) {
  return plot_variant_i4(value);
}

plot_variant variant_of(float value) {
  return plot_variant_r4(value);
}

plot_variant variant_of(double value) {
  return plot_variant_r8(value);
}

plot_variant variant_of(Boolean value) {
  return plot_variant_bool(value);
}

plot_variant variant_of(const std::string& value) {
  auto* copy = static_cast<char*>(std::malloc(value.size() + 1));
  if (copy == nullptr) raise(ErrorNumber::InvalidCall);
  std::memcpy(copy, value.data(), value.size());
  copy[value.size()] = '\0';
  return plot_variant_string(copy, static_cast<int32_t>(value.size()));
}

plot_variant variant_of(const StringArray& value) {
  // The items and their bytes in one block, which plot_variant_clear frees as the items.
  const std::vector<std::string>& items = value.items();
  std::size_t bytes = items.size() * sizeof(plot_string);
  for (const std::string& item : items) bytes += item.size() + 1;
  auto* block = static_cast<char*>(std::malloc(bytes == 0 ? 1 : bytes));
  if (block == nullptr) raise(ErrorNumber::InvalidCall);
  auto* strings = reinterpret_cast<plot_string*>(block);
  char* text = block + items.size() * sizeof(plot_string);
  for (std::size_t i = 0; i < items.size(); ++i) {
    std::memcpy(text, items[i].data(), items[i].size());
    text[items[i].size()] = '\0';
    strings[i] = {text, static_cast<int32_t>(items[i].size())};
    text += items[i].size() + 1;
  }
  plot_variant v{};
  v.type = PLOT_STRINGS;
  v.value.strings = {value.lower(), value.upper(), strings};
  return v;
}

plot_variant empty_variant() {
  return plot_variant{};
}

}  // namespace plot
