#include "soil_sample.h"

#include <array>
#include <stdexcept>

namespace {

using Row = std::array<double, 3>;
constexpr int kRows = 15;

// clang-format off
constexpr std::array<std::array<Row, kRows>, kSoilGroups> kSoil = {{
    {{{67.1, 23.2, 9.7}, {71.9, 17.6, 10.5}, {72.4, 17.4, 10.2}, {69.6, 20.6, 9.8},
      {56.1, 30.1, 13.8}, {80.2, 13.3, 6.5}, {66.2, 21.0, 12.8}, {68.9, 22.7, 8.4},
      {71.2, 20.8, 8.0}, {74.7, 16.0, 9.3}, {69.9, 19.4, 10.7}, {66.7, 22.9, 10.4},
      {71.8, 18.1, 10.1}, {77.9, 13.4, 8.7}, {76.5, 13.5, 10.0}}},
    {{{30.6, 47.3, 22.1}, {21.1, 55.0, 23.9}, {22.4, 50.8, 26.8}, {18.7, 59.4, 21.9},
      {21.9, 62.5, 15.6}, {24.1, 56.5, 19.4}, {18.7, 59.6, 21.7}, {32.0, 49.5, 18.5},
      {17.0, 64.8, 18.2}, {19.2, 50.8, 30.0}, {19.3, 53.6, 27.1}, {23.1, 57.4, 19.5},
      {17.2, 65.0, 17.8}, {21.4, 64.5, 14.1}, {21.4, 60.2, 18.4}}},
    {{{9.5, 25.6, 64.9}, {9.3, 26.7, 64.0}, {9.7, 36.8, 53.5}, {13.2, 29.2, 57.6},
      {15.2, 38.0, 46.8}, {12.8, 35.3, 51.9}, {9.9, 29.5, 60.6}, {15.3, 24.8, 59.9},
      {12.4, 23.9, 63.7}, {12.8, 42.5, 44.7}, {10.7, 29.3, 60.0}, {16.9, 30.2, 52.9},
      {15.1, 33.2, 51.7}, {15.2, 32.4, 52.4}, {12.9, 24.7, 62.4}}},
}};
// clang-format on

}  // namespace

stats::Matrix soil_group(int group) {
  if (group < 1 || group > kSoilGroups) throw std::out_of_range("soil group 1 to 3");
  const auto& rows = kSoil[static_cast<std::size_t>(group - 1)];
  stats::Matrix m(kRows, 3);
  for (int i = 0; i < kRows; ++i)
    for (int j = 0; j < 3; ++j)
      m(i, j) = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
  return m;
}

CompositionTable soil_table(std::initializer_list<int> groups) {
  CompositionTable table;
  table.part_names.assign(std::begin(kSoilParts), std::end(kSoilParts));
  stats::Matrix parts(0, 3);
  for (int g : groups) {
    const stats::Matrix rows = soil_group(g);
    parts.conservativeResize(parts.rows() + rows.rows(), 3);
    parts.bottomRows(rows.rows()) = rows;
    table.groups.push_back(std::to_string(g));
    table.group.insert(table.group.end(), static_cast<std::size_t>(rows.rows()),
                       static_cast<int>(table.groups.size()));
  }
  table.parts = stats::closure(parts);
  return table;
}
