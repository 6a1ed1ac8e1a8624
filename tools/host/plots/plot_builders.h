#pragma once

#include "cli/plot_request.h"
#include "input/composition_table.h"
#include "plot_ternary_records.h"
#include "plugin_api.h"

// Each plot computes what its plug-in needs from the compositions and calls mostrar through
// the C interface. InputError when the data do not fit the plot; std::runtime_error with the
// plug-in's run-time error otherwise.
void show_biplot(const PluginApi& api, const CompositionTable& table, const PlotRequest& request);
void show_biplot3d(const PluginApi& api, const CompositionTable& table, const PlotRequest& request);
void show_logratio3d(const PluginApi& api, const CompositionTable& table,
                     const PlotRequest& request);
void show_predictive(const PluginApi& api, const CompositionTable& table,
                     const PlotRequest& request);
void show_confidence(const PluginApi& api, const CompositionTable& table,
                     const PlotRequest& request);
void show_tetrahedron(const PluginApi& api, const CompositionTable& table,
                      const PlotRequest& request);
void show_logratio(const PluginApi& api, const CompositionTable& table, const PlotRequest& request);
void show_ternary(const PluginApi& api, const CompositionTable& table, const PlotRequest& request);

// The compositions as the ternary diagram's points (position, group colour, group as forma),
// which the region plots show too when asked. At most PLOT_MAX_POINTS rows.
void fill_ternary_points(Vector_Punts& vp, const CompositionTable& table);

// The builder of the plot the request names.
void show_plot(const PluginApi& api, const CompositionTable& table, const PlotRequest& request);
