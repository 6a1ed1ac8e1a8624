#include "memory_table.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

std::string number_cell(double value) {
  if (std::isnan(value)) return {};
  std::array<char, 32> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  return std::string(text.data(), end);
}

std::string text_cell(const char* text) {
  return text != nullptr ? std::string(text) : std::string();
}

}  // namespace

CsvTable memory_table(const cp_table& table) {
  CsvTable out;
  out.file = table.name != nullptr ? table.name : "data";
  if (table.rows < 0 || table.columns < 0 || (table.columns > 0 && table.column == nullptr))
    throw InputError(out.file + ": the table's rows, columns or column array are missing");
  const auto rows = static_cast<std::size_t>(table.rows);
  const auto columns = static_cast<std::size_t>(table.columns);
  for (std::size_t j = 0; j < columns; ++j) out.header.push_back(text_cell(table.column[j].name));
  out.rows.resize(rows);
  for (std::size_t i = 0; i < rows; ++i) {
    out.rows[i].number = i + 2;
    out.rows[i].cells.reserve(columns);
    for (std::size_t j = 0; j < columns; ++j) {
      const cp_column& c = table.column[j];
      out.rows[i].cells.push_back(c.numbers != nullptr ? number_cell(c.numbers[i])
                                  : c.texts != nullptr ? text_cell(c.texts[i])
                                                       : std::string());
    }
  }
  return out;
}
