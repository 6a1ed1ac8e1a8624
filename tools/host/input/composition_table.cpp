#include "composition_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

// Semicolon and tab files are where decimal commas come from; in a comma file a comma
// separates.
bool comma_decimals(const CsvTable& table) {
  return table.separator != ',';
}

std::size_t column_index(const CsvTable& table, const std::string& name) {
  if (name.empty())
    throw InputError(table.file + ": an empty column name (--parts names are separated by \",\")");
  auto it = std::find(table.header.begin(), table.header.end(), name);
  if (it == table.header.end())
    it = std::find_if(table.header.begin(), table.header.end(),
                      [&](const std::string& h) { return trimmed(h) == name; });
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
    if (j != skip && !table.rows.empty() &&
        parse_number(table.rows.front().cells[j], comma_decimals(table)))
      columns.push_back(j);
  return columns;
}

// The part columns but `left_out`, as --parts takes them.
std::string other_columns(const CsvTable& table, const std::vector<std::size_t>& columns,
                          std::size_t left_out) {
  std::string list;
  for (auto j : columns)
    if (j != left_out) list += (list.empty() ? "" : ",") + table.header[j];
  return list;
}

std::string format(double v) {
  std::ostringstream out;
  out << v;
  return out.str();
}

}  // namespace

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> parse_number(const std::string& cell, bool comma_decimals) {
  std::string text = trimmed(cell);
  if (text.empty()) return std::nullopt;
  if (comma_decimals && std::count(text.begin(), text.end(), ',') == 1 &&
      text.find('.') == std::string::npos)
    text[text.find(',')] = '.';
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (*begin == '+') ++begin;
  double value = 0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

CompositionTable select_compositions(const CsvTable& table, const CompositionRequest& request) {
  if (table.rows.empty()) throw InputError(table.file + ": the file has no data rows");
  std::optional<std::size_t> group_column;
  if (request.group) group_column = column_index(table, trimmed(*request.group));

  std::vector<std::string> parts;
  for (const auto& name : request.parts) parts.push_back(trimmed(name));
  std::vector<std::size_t> columns;
  for (const auto& name : parts) {
    columns.push_back(column_index(table, name));
    // The same part twice would plot a composition the data does not have.
    if (std::count(parts.begin(), parts.end(), name) > 1)
      throw InputError(table.file + ": the part \"" + name + "\" is named twice in --parts");
  }
  const bool default_parts = parts.empty();
  if (default_parts) columns = numeric_columns(table, group_column);
  if (columns.size() < 2)
    throw InputError(table.file + ": a composition needs two parts or more; the first row has " +
                     std::to_string(columns.size()) + " numeric columns (" +
                     (table.separator == ',' ? "\".\" decimals in a comma-separated file; " : "") +
                     "name the part columns with --parts A,B,C)");

  CompositionTable out;
  for (auto j : columns) out.part_names.push_back(table.header[j]);
  stats::Matrix raw(static_cast<Eigen::Index>(table.rows.size()),
                    static_cast<Eigen::Index>(columns.size()));
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const auto& row = table.rows[i];
    for (std::size_t k = 0; k < columns.size(); ++k) {
      const std::string& cell = row.cells[columns[k]];
      const std::string& name = table.header[columns[k]];
      const auto value = parse_number(cell, comma_decimals(table));
      if (cell.find_first_not_of(" \t") == std::string::npos)
        raise_cell_error(table.file, row.number, name, "the cell is empty");
      if (!value)
        raise_cell_error(table.file, row.number, name, "\"" + cell + "\" is not a number");
      if (*value < 0 && default_parts)
        raise_cell_error(table.file, row.number, name,
                         format(*value) + " is negative, so \"" + name +
                             "\" cannot be a part; leave it out by naming the parts with --parts " +
                             other_columns(table, columns, columns[k]));
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
