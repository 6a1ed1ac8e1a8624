#include "composition_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

std::size_t column_index(const CsvTable& table, const std::string& name) {
  const auto it = std::find(table.header.begin(), table.header.end(), name);
  if (it == table.header.end()) {
    std::string known;
    for (const auto& h : table.header) known += (known.empty() ? "" : ", ") + ("\"" + h + "\"");
    throw InputError(table.file + ": no column \"" + name + "\" (the header has " + known + ")");
  }
  return static_cast<std::size_t>(it - table.header.begin());
}

// Every column whose first data cell is a number, but the group column.
std::vector<std::size_t> numeric_columns(const CsvTable& table, std::optional<std::size_t> skip) {
  std::vector<std::size_t> columns;
  for (std::size_t j = 0; j < table.header.size(); ++j)
    if (j != skip && !table.rows.empty() && parse_number(table.rows.front().cells[j]))
      columns.push_back(j);
  return columns;
}

std::string format(double v) {
  std::ostringstream out;
  out << v;
  return out.str();
}

}  // namespace

std::optional<double> parse_number(const std::string& cell) {
  const auto first = cell.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const auto last = cell.find_last_not_of(" \t");
  const char* begin = cell.data() + first;
  const char* end = cell.data() + last + 1;
  if (*begin == '+') ++begin;
  double value = 0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

CompositionTable select_compositions(const CsvTable& table, const CompositionRequest& request) {
  if (table.rows.empty()) throw InputError(table.file + ": the file has no data rows");
  std::optional<std::size_t> group_column;
  if (request.group) group_column = column_index(table, *request.group);

  std::vector<std::size_t> columns;
  for (const auto& name : request.parts) {
    columns.push_back(column_index(table, name));
    // The same part twice would plot a composition the data does not have.
    if (std::count(request.parts.begin(), request.parts.end(), name) > 1)
      throw InputError(table.file + ": the part \"" + name + "\" is named twice in --parts");
  }
  if (request.parts.empty()) columns = numeric_columns(table, group_column);
  if (columns.size() < 2)
    throw InputError(table.file + ": a composition needs two parts or more (found " +
                     std::to_string(columns.size()) + " numeric columns; name them with --parts)");

  CompositionTable out;
  for (auto j : columns) out.part_names.push_back(table.header[j]);
  stats::Matrix raw(static_cast<Eigen::Index>(table.rows.size()),
                    static_cast<Eigen::Index>(columns.size()));
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const auto& row = table.rows[i];
    for (std::size_t k = 0; k < columns.size(); ++k) {
      const std::string& cell = row.cells[columns[k]];
      const std::string& name = table.header[columns[k]];
      const auto value = parse_number(cell);
      if (cell.find_first_not_of(" \t") == std::string::npos)
        raise_cell_error(table.file, row.number, name, "the cell is empty");
      if (!value)
        raise_cell_error(table.file, row.number, name, "\"" + cell + "\" is not a number");
      if (*value < 0)
        raise_cell_error(table.file, row.number, name,
                         format(*value) + " is negative; a part must be positive");
      if (*value == 0 && !request.zero_replace)
        raise_cell_error(table.file, row.number, name,
                         "the part is 0; log-ratios need positive parts (replace zeros with "
                         "--zero-replace DELTA, e.g. --zero-replace 0.001)");
      raw(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(k)) = *value;
    }
    const auto zeros = (raw.row(static_cast<Eigen::Index>(i)).array() == 0).count();
    if (request.zero_replace && static_cast<double>(zeros) * *request.zero_replace >= 1)
      throw InputError(table.file + ": row " + std::to_string(row.number) + ": " +
                       std::to_string(zeros) + " zero parts leave nothing to the others with " +
                       "--zero-replace " + format(*request.zero_replace));
  }
  out.parts = request.zero_replace ? stats::multiplicative_replacement(raw, *request.zero_replace)
                                   : stats::closure(raw);

  for (const auto& row : table.rows) {
    const std::string label = group_column ? row.cells[*group_column] : std::string("all");
    auto it = std::find(out.groups.begin(), out.groups.end(), label);
    if (it == out.groups.end()) it = out.groups.insert(out.groups.end(), label);
    out.group.push_back(static_cast<int>(it - out.groups.begin()) + 1);
  }
  if (out.groups.size() > kMaxGroups) {
    // Enough of them to recognise the column; a column of numbers would list every row.
    constexpr std::size_t kListed = 2 * kMaxGroups;
    std::string found;
    for (std::size_t k = 0; k < std::min(out.groups.size(), kListed); ++k)
      found += (k == 0 ? "\"" : ", \"") + out.groups[k] + "\"";
    if (out.groups.size() > kListed) found += "...";
    throw InputError(table.file + ": column \"" + *request.group + "\" has " +
                     std::to_string(out.groups.size()) + " groups, the plots show at most " +
                     std::to_string(kMaxGroups) + ": " + found);
  }
  return out;
}
