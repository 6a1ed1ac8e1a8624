#pragma once

#include <cstring>
#include <string>

#include "core/com/double_array2.h"
#include "core/com/string_array.h"
#include "core/errors/runtime_error.h"
#include "core/render/boolean.h"
#include "plot_plugin.h"

namespace plot {

// The tag as the host stored it. A value outside plot_type must never be loaded as the enum
// (undefined behaviour), so every reader of a host's variant compares this integer.
inline int32_t variant_tag(const plot_variant& value) {
  static_assert(sizeof(value.type) == sizeof(int32_t));
  int32_t tag = 0;
  std::memcpy(&tag, &value.type, sizeof tag);
  return tag;
}

// Conversions between the interface's variants and C++ values, with the host's coercion
// rules: numbers convert among themselves (Overflow when out of range), anything else is a
// Type mismatch.
int16_t as_int16(const plot_variant& value);
int32_t as_int32(const plot_variant& value);
float as_single(const plot_variant& value);
double as_double(const plot_variant& value);
Boolean as_boolean(const plot_variant& value);
std::string as_string(const plot_variant& value);
// The bytes of a counted string, as a host's string argument is taken: a negative length, or
// bytes without a pointer, is "Invalid procedure call".
std::string owned_string(const plot_string& s);
// A counted string inside a host's record or array, checked as a string variant is.
std::string as_string(const plot_string& value);
StringArray as_strings(const plot_variant& value);
// A copy of the host's array, with its bounds.
DoubleArray2 as_r8_array2(const plot_variant& value);

// Records carry their type name so a host cannot hand one record for another.
template <typename Record>
struct RecordName;

template <typename Record>
Record& as_record(const plot_variant& value) {
  const plot_record& record = value.value.record;
  if (variant_tag(value) != PLOT_RECORD || record.data == nullptr || record.name == nullptr ||
      std::string(record.name) != RecordName<Record>::value ||
      record.size != static_cast<int32_t>(sizeof(Record)))
    raise(ErrorNumber::TypeMismatch);
  return *static_cast<Record*>(record.data);
}

plot_variant variant_of(int16_t value);
plot_variant variant_of(int32_t value);
plot_variant variant_of(float value);
plot_variant variant_of(double value);
plot_variant variant_of(Boolean value);
plot_variant variant_of(const std::string& value);  // freed by plot_variant_clear
plot_variant variant_of(const StringArray& value);  // one block, freed by plot_variant_clear
plot_variant empty_variant();

}  // namespace plot
