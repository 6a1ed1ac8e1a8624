#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "cli/plot_request.h"
#include "input/composition_table.h"
#include "plugin_api.h"

// The steps of a plot after its data are read, shared by plot_host and the compositional_plots
// library. InputError when the data do not fit the plot; std::runtime_error with the plug-in's
// run-time error otherwise.

// Loads the plot's plug-in from `plugin_folder` (it stays loaded until the process ends) and
// shows the plot as `request` asks: off screen when it names a picture file, else in a window;
// at its picture scale, resized and turned.
PluginApi open_plot(const CompositionTable& table, const PlotRequest& request,
                    const std::string& plugin_folder);

// The picture file the request names (--png or --out), if any.
std::optional<std::string> picture_file(const PlotRequest& request);

// The picture file could not be written: the message names that file, not the data.
class OutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes the picture shown to that file and closes the viewer; OutputError when it cannot.
void write_picture_file(const PluginApi& api, const PlotRequest& request);
