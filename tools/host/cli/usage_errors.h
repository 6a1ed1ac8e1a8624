#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>

// What each option of a plot takes, in the words of its error messages; empty for an option
// of no value.
std::string accepted_values(const std::string& option);

// A check of an option's every value: the error is our sentence, the value and what the option
// takes ("--level: "2" is not a probability between 0 and 1, e.g. 0.95").
CLI::Validator accepting(const std::string& option, std::function<bool(const std::string&)> ok);

// CLI11's parse errors as sentences that say what to change, for CLI::App::failure_message,
// with CLI11's own closing line (the Python package drops it).
std::string usage_error_message(const CLI::App* app, const CLI::Error& error);
