#include "plot_inputs.h"

namespace {

std::string plot_name(const PlotRequest& request) {
  return std::string(plot_info(request.plot).command);
}

}  // namespace

void require_parts(const CompositionTable& table, const PlotRequest& request, Eigen::Index parts) {
  require_part_range(table, request, parts, parts);
}

void require_part_range(const CompositionTable& table, const PlotRequest& request,
                        Eigen::Index min_parts, Eigen::Index max_parts) {
  const Eigen::Index n = table.parts.cols();
  if (n >= min_parts && n <= max_parts) return;
  const std::string wanted = min_parts == max_parts
                                 ? std::to_string(min_parts)
                                 : std::to_string(min_parts) + " to " + std::to_string(max_parts);
  throw InputError(request.file + ": the " + plot_name(request) + " plot takes " + wanted +
                   " parts, the file gives " + std::to_string(n) + " (choose them with --parts)");
}

void require_rows(const CompositionTable& table, const PlotRequest& request, Eigen::Index min_rows,
                  Eigen::Index max_rows, const std::string& what) {
  const Eigen::Index n = table.parts.rows();
  if (n < min_rows)
    throw InputError(request.file + ": " + std::to_string(n) + " rows are too few for " + what +
                     " (at least " + std::to_string(min_rows) + ")");
  if (n > max_rows)
    throw InputError(request.file + ": " + std::to_string(n) + " rows, but the " +
                     plot_name(request) + " plot holds at most " + std::to_string(max_rows) +
                     " observations");
}

int16_t legend_groups(const CompositionTable& table, const PlotRequest& request) {
  // Without a group column every row is in the one group "all"; a table made by a program may
  // carry groups of its own.
  const bool grouped = request.input.group || table.groups.size() > 1;
  return grouped ? static_cast<int16_t>(table.groups.size()) : int16_t{0};
}

std::string legend_name(const std::string& label) {
  // Characters of UTF-8: every byte but the continuation bytes starts one.
  std::size_t characters = 0;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if ((static_cast<unsigned char>(label[i]) & 0xC0) == 0x80) continue;
    if (++characters == PLOT_MAX_GROUP_NAME_LENGTH) {
      std::size_t end = i + 1;
      while (end < label.size() && (static_cast<unsigned char>(label[end]) & 0xC0) == 0x80) ++end;
      return end == label.size() ? label : label.substr(0, i) + ".";
    }
  }
  return label;
}

std::vector<std::string> legend_names(const std::vector<std::string>& labels,
                                      const PlotRequest& request) {
  std::vector<std::string> names;
  if (request.input.group)
    for (const auto& label : labels) names.push_back(legend_name(label));
  return names;
}

void set_group_names(const PluginApi& api, plot_object* data,
                     const std::vector<std::string>& names) {
  if (names.empty()) return;
  const std::vector<plot_string> items = counted(names);
  api.set(data, "nomsGrups",
          plot_variant_strings(1, static_cast<int32_t>(items.size()), items.data()));
}

void write_group_names(const PrivateProfile& profile, const std::vector<std::string>& names) {
  if (names.empty()) return;
  ExchangeWriter out(profile, plot_group_names);
  for (const auto& name : names) out.row({name});
  out.close();
}

std::array<float, 3> group_colour(int group) {
  static constexpr std::array<std::array<float, 3>, 11> kTable = {{{0, 0, 0},
                                                                   {0, 0, 0},
                                                                   {1, 0, 0},
                                                                   {0, 1, 0},
                                                                   {0, 0, 1},
                                                                   {1, 1, 0},
                                                                   {0, 1, 1},
                                                                   {1, 0, 1},
                                                                   {0.5f, 0, 0.5f},
                                                                   {1, 0.5f, 0},
                                                                   {0.5f, 0.5f, 0.5f}}};
  return group >= 0 && group <= 10 ? kTable[static_cast<std::size_t>(group)] : kTable[0];
}

std::vector<plot_string> counted(const std::vector<std::string>& texts) {
  std::vector<plot_string> out;
  for (const auto& t : texts) out.push_back({t.data(), static_cast<int32_t>(t.size())});
  return out;
}

void write_rows_with_groups(const PrivateProfile& profile, const plot_exchange_file& layout,
                            const stats::Matrix& rows, const std::vector<int>& group) {
  ExchangeWriter out(profile, layout);
  std::vector<ExchangeValue> row;
  for (Eigen::Index i = 0; i < rows.rows(); ++i) {
    row.assign(rows.row(i).begin(), rows.row(i).end());
    row.emplace_back(group[static_cast<std::size_t>(i)]);
    out.row(row);
  }
  out.close();
}
