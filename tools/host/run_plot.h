#pragma once

#include <string>

#include "cli/plot_request.h"

// Reads the user's file, loads the plot's plug-in from `plugin_folder` and shows the plot in a
// window (until the user closes it) or writes it as a PNG. Returns the process exit code;
// every error is printed on stderr.
int run_plot(const PlotRequest& request, const std::string& plugin_folder);
