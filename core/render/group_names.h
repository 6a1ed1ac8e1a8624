#pragma once

#include <cstdint>
#include <string>

#include "core/com/string_array.h"
#include "plot_limits.h"

namespace plot {

inline constexpr int32_t kMaxGroupNameLength = PLOT_MAX_GROUP_NAME_LENGTH;

// A host's names for the legend's groups 1 to `groups`: none at all (the legend then reads
// "Grup j"), or an array 1 To at least `groups`. Other bounds are "Subscript out of range" (9),
// a name of more than kMaxGroupNameLength characters "Overflow" (6); the texts say which.
void check_group_names(const StringArray& names, int16_t groups);
void check_group_name_length(const std::string& name, int32_t group);

// What legend row `group` says: its name, or "Grup j " without names.
std::string group_legend_text(const StringArray& names, int32_t group);

}  // namespace plot
