#pragma once

#include <optional>
#include <string>
#include <vector>

#include "csv_table.h"
#include "stats/compositions.h"

// Which columns of the user's table make the compositions.
struct CompositionRequest {
  std::vector<std::string> parts;      // empty: every numeric column but the group column
                                       // (blanks around a name are not part of it)
  std::optional<std::string> group;    // a column of group labels
  std::optional<double> zero_replace;  // multiplicative replacement of zeros by this proportion
};

// The compositions as the statistics take them: rows closed to proportions.
struct CompositionTable {
  std::vector<std::string> part_names;
  stats::Matrix parts;              // one closed composition per row
  std::vector<int> group;           // 1-based group of each row; all 1 without a group column
  std::vector<std::string> groups;  // label of group g at g - 1, in order of first appearance
};

inline constexpr std::size_t kMaxGroups = 10;

// Validates and converts; InputError naming the file, row and column of the first bad cell.
CompositionTable select_compositions(const CsvTable& table, const CompositionRequest& request);

// Parses one numeric cell ("." decimals, or "," too where `comma_decimals`; blanks around
// ignored); nullopt when it is no number.
std::optional<double> parse_number(const std::string& cell, bool comma_decimals = false);

// The text without the blanks around it.
std::string trimmed(const std::string& text);
