#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/plot_request.h"
#include "exchange_folder.h"
#include "input/composition_table.h"
#include "plot_limits.h"
#include "plot_plugin.h"
#include "plugin_api.h"

// The checks and small conversions every plot builder makes before it fills its records.

// InputError unless the table has exactly `parts` parts.
void require_parts(const CompositionTable& table, const PlotRequest& request, Eigen::Index parts);
// InputError unless the table has from `min_parts` to `max_parts` parts.
void require_part_range(const CompositionTable& table, const PlotRequest& request,
                        Eigen::Index min_parts, Eigen::Index max_parts);
// InputError unless there are at least `min_rows` rows ("for `what`") and at most `max_rows`
// (the plug-in's record limit).
void require_rows(const CompositionTable& table, const PlotRequest& request, Eigen::Index min_rows,
                  Eigen::Index max_rows, const std::string& what);

// A 3D plug-in's data file: each row's coordinates, then its group.
void write_rows_with_groups(const PrivateProfile& profile, const plot_exchange_file& layout,
                            const stats::Matrix& rows, const std::vector<int>& group);

// Rows of the group legend: the groups of --group, none without it (a lone group needs no key).
int16_t legend_groups(const CompositionTable& table, const PlotRequest& request);

// A group label as a legend holds it: at most PLOT_MAX_GROUP_NAME_LENGTH characters, a longer
// one cut and ended with ".".
std::string legend_name(const std::string& label);

// The legend's names of `labels`, the groups of --group; none without it (the plug-ins then
// print "Grup j", as a program's own table of groups has them).
std::vector<std::string> legend_names(const std::vector<std::string>& labels,
                                      const PlotRequest& request);

// The names on a 2D plug-in's data class (nomsGrups), or on a 3D plug-in's exchange file
// "\nomsGrups.qvm"; nothing for no names.
void set_group_names(const PluginApi& api, plot_object* data,
                     const std::vector<std::string>& names);
void write_group_names(const PrivateProfile& profile, const std::vector<std::string>& names);

// The colour of group g in the plug-ins' legend table (1 black, 2 red, 3 green, ...).
std::array<float, 3> group_colour(int group);

// Counted strings that point into `texts`, which must outlive them.
std::vector<plot_string> counted(const std::vector<std::string>& texts);
