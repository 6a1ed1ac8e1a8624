#pragma once

#include <string>

#include "../cli/plot_request.h"

// Shows the embedded samples in windows, one after the other, or writes one PNG of each into
// the request's folder (always when there is no display). Returns the exit code.
int run_samples(const SampleRequest& request, const std::string& plugin_folder);
