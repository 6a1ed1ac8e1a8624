#include "usage_errors.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

struct OptionValues {
  std::string_view option;
  std::string_view takes;
};

constexpr std::array<OptionValues, 11> kAccepted = {{
    {"--parts", "the part columns, comma-separated, e.g. --parts SiO2,Al2O3,FeO"},
    {"--group", "the name of a column of group labels"},
    {"--zero-replace", "a proportion from 0 to 1, e.g. 0.001"},
    {"--png", "the PNG file to write, e.g. plot.png"},
    {"--out", "a file ending in .png, .svg, .pdf or .eps"},
    {"--size", "WIDTHxHEIGHT in whole pixels, at least 734 high, e.g. 1200x900"},
    {"--scale", "a whole number from 1 to 4"},
    {"--rotate", "three whole numbers of presses X,Y,Z, e.g. 0,6,0"},
    {"--transform", "alr or balances"},
    {"--levels", "one to three probabilities between 0 and 1, e.g. 0.9,0.95,0.99"},
    {"--level", "a probability between 0 and 1, e.g. 0.95"},
}};

// The option a CLI11 message starts with ("--level: ..."), else empty.
std::string leading_option(const std::string& text) {
  const auto colon = text.find(':');
  if (text.rfind("--", 0) != 0 || colon == std::string::npos) return {};
  return text.substr(0, colon);
}

}  // namespace

std::string accepted_values(const std::string& option) {
  for (const auto& row : kAccepted)
    if (row.option == option) return std::string(row.takes);
  return {};
}

CLI::Validator accepting(const std::string& option, std::function<bool(const std::string&)> ok) {
  return CLI::Validator(
      [option, ok = std::move(ok)](std::string& value) -> std::string {
        if (ok(value)) return {};
        return "\"" + value + "\" is not " + accepted_values(option);
      },
      "");
}

std::string usage_error_message(const CLI::App* app, const CLI::Error& error) {
  const std::string text = error.what();
  const auto code = static_cast<CLI::ExitCodes>(error.get_exit_code());
  std::string sentence = text;
  if (code == CLI::ExitCodes::RequiredError && text.find("file") != std::string::npos) {
    sentence = "give the CSV file after the plot's name, e.g. plot_host ternary rocks.csv";
  } else if (code == CLI::ExitCodes::ExcludesError) {
    const auto at = text.find(" excludes ");
    if (at != std::string::npos)
      sentence = "give " + text.substr(0, at) + " or " + text.substr(at + 10) + ", not both";
  } else if (code == CLI::ExitCodes::ExtrasError) {
    const auto colon = text.find(": ");
    const std::string extras = colon == std::string::npos ? text : text.substr(colon + 2);
    std::string plot = "plot_host";
    for (const CLI::App* sub : app->get_subcommands()) plot += " " + sub->get_name();
    sentence = plot + " does not take " + extras;
  } else if (code == CLI::ExitCodes::ArgumentMismatch || code == CLI::ExitCodes::ConversionError) {
    const std::string option = leading_option(text);
    if (!accepted_values(option).empty()) sentence = option + " takes " + accepted_values(option);
  }
  return sentence + "\nRun with --help for more information.\n";
}
