/* Variants as a host builds them for plot_put and plot_call, one function per tag. The variant
 * only points at strings, records and arrays: the host keeps them alive during the call. */
#ifndef PLOT_VARIANTS_H
#define PLOT_VARIANTS_H

#include <stdint.h>
#include <string.h>

#include "plot_plugin.h"

static inline plot_variant plot_variant_of_type(plot_type type) {
  plot_variant v;
  memset(&v, 0, sizeof v);
  v.type = type;
  return v;
}

/* Any non-zero value is true (-1). */
static inline plot_variant plot_variant_bool(int value) {
  plot_variant v = plot_variant_of_type(PLOT_BOOL);
  v.value.boolean = value ? PLOT_TRUE : PLOT_FALSE;
  return v;
}

static inline plot_variant plot_variant_i2(int16_t value) {
  plot_variant v = plot_variant_of_type(PLOT_I2);
  v.value.i2 = value;
  return v;
}

static inline plot_variant plot_variant_i4(int32_t value) {
  plot_variant v = plot_variant_of_type(PLOT_I4);
  v.value.i4 = value;
  return v;
}

static inline plot_variant plot_variant_r4(float value) {
  plot_variant v = plot_variant_of_type(PLOT_R4);
  v.value.r4 = value;
  return v;
}

static inline plot_variant plot_variant_r8(double value) {
  plot_variant v = plot_variant_of_type(PLOT_R8);
  v.value.r8 = value;
  return v;
}

/* `length` bytes from `data`, which need not end with 0. */
static inline plot_variant plot_variant_string(const char* data, int32_t length) {
  plot_variant v = plot_variant_of_type(PLOT_STRING);
  v.value.string.data = data;
  v.value.string.length = length;
  return v;
}

/* A text ending with 0. */
static inline plot_variant plot_variant_text(const char* text) {
  return plot_variant_string(text, (int32_t)strlen(text));
}

/* `name` is the record's type name, e.g. PLOT_VECTOR_PUNTS_NAME; `size` its sizeof. */
static inline plot_variant plot_variant_record(const char* name, void* data, int32_t size) {
  plot_variant v = plot_variant_of_type(PLOT_RECORD);
  v.value.record.name = name;
  v.value.record.data = data;
  v.value.record.size = size;
  return v;
}

/* The array lower To upper: upper - lower + 1 items. */
static inline plot_variant plot_variant_strings(int32_t lower, int32_t upper,
                                                const plot_string* items) {
  plot_variant v = plot_variant_of_type(PLOT_STRINGS);
  v.value.strings.lower = lower;
  v.value.strings.upper = upper;
  v.value.strings.items = items;
  return v;
}

/* The array (row_lower To row_upper, column_lower To column_upper), stored row by row. */
static inline plot_variant plot_variant_r8_array2(int32_t row_lower, int32_t row_upper,
                                                  int32_t column_lower, int32_t column_upper,
                                                  const double* items) {
  plot_variant v = plot_variant_of_type(PLOT_R8_ARRAY2);
  v.value.r8_array2.row_lower = row_lower;
  v.value.r8_array2.row_upper = row_upper;
  v.value.r8_array2.column_lower = column_lower;
  v.value.r8_array2.column_upper = column_upper;
  v.value.r8_array2.items = items;
  return v;
}

#endif
