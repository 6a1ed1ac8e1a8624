#pragma once

#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "plot_request.h"

// The parsed command line: a plot of the user's file, a run of the samples, or an exit code
// (after --help, or a usage error already printed).
using Command = std::variant<PlotRequest, SampleRequest, int>;

// Help goes to `out`, usage errors to `error`.
Command parse_command_line(int argc, const char* const* argv, std::ostream& out = std::cout,
                           std::ostream& error = std::cerr);
