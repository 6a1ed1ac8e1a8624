#include "core/render/group_names.h"

#include <algorithm>

#include "core/text/number_text.h"

namespace plot {
namespace {

std::string group_text(int32_t group) {
  return "group " + std::to_string(group);
}

// Characters of a UTF-8 text: every byte but the continuation bytes starts one.
int64_t character_count(const std::string& utf8) {
  return std::count_if(utf8.begin(), utf8.end(),
                       [](char c) { return (static_cast<uint8_t>(c) & 0xC0) != 0x80; });
}

}  // namespace

void check_group_name_length(const std::string& name, int32_t group) {
  if (character_count(name) > kMaxGroupNameLength)
    throw RuntimeError(ErrorNumber::Overflow,
                       "Overflow: the name of " + group_text(group) + " is longer than " +
                           std::to_string(kMaxGroupNameLength) + " characters");
}

void check_group_names(const StringArray& names, int16_t groups) {
  if (names.empty()) return;
  if (names.lower() != 1 || names.upper() < groups)
    throw RuntimeError(ErrorNumber::SubscriptOutOfRange,
                       "Subscript out of range: nomsGrups must run from 1 to nGrups (" +
                           std::to_string(groups) + "), not from " + std::to_string(names.lower()) +
                           " to " + std::to_string(names.upper()));
  for (int32_t g = names.lower(); g <= names.upper(); ++g) check_group_name_length(names(g), g);
}

std::string group_legend_text(const StringArray& names, int32_t group) {
  if (names.empty()) return with_blank("Grup " + int16_text(static_cast<int16_t>(group)));
  return with_blank(names(group));
}

}  // namespace plot
