// cp_plot: plot_host's command line, compositions and plot steps over a table in memory.
#include "compositional_plots.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "memory_table.h"
#include "plot_session.h"

namespace {

struct Failure {
  cp_status status;
  std::string message;
};

// The display mode and the picture scale are each plug-in's for all its callers, and a picture
// is read from the viewer shown: one picture at a time, from showing to writing.
std::mutex& drawing_lock() {
  static std::mutex lock;
  return lock;
}

// A plug-in's viewer keeps the kind of its first one, off screen or a window, for the process.
// Which kind each plug-in has drawn, so that a window it cannot show is an error, not nothing.
std::map<std::string, bool>& drew_off_screen() {
  static std::map<std::string, bool> kinds;
  return kinds;
}

bool has_column(const CsvTable& csv, const std::string& name) {
  return std::find(csv.header.begin(), csv.header.end(), name) != csv.header.end();
}

// The columns a request names that the table does not have make a KeyError in Python.
cp_status status_of_input_error(const CsvTable& csv, const CompositionRequest& input) {
  const bool missing_part = std::any_of(input.parts.begin(), input.parts.end(),
                                        [&](const std::string& p) { return !has_column(csv, p); });
  const bool missing_group = input.group && !has_column(csv, *input.group);
  return missing_part || missing_group ? CP_NO_COLUMN : CP_BAD_DATA;
}

PlotRequest parse_request(const CsvTable& csv, const char* const* arguments, int32_t count) {
  // The file's place, after the plot, holds the table's name.
  std::vector<const char*> argv{"plot_host"};
  for (int32_t i = 0; i < count; ++i) {
    if (arguments[i] == nullptr) throw Failure{CP_BAD_OPTION, "an argument is missing"};
    argv.push_back(arguments[i]);
    if (i == 0) argv.push_back(csv.file.c_str());
  }
  std::ostringstream help, usage;
  const Command command =
      parse_command_line(static_cast<int>(argv.size()), argv.data(), help, usage);
  if (const auto* plot = std::get_if<PlotRequest>(&command)) return *plot;
  std::string message = usage.str().empty() ? help.str() : usage.str();
  if (std::holds_alternative<SampleRequest>(command)) message = "no plot named";
  while (!message.empty() && message.back() == '\n') message.pop_back();
  throw Failure{CP_BAD_OPTION, message};
}

void draw(const char* plugin_folder, const cp_table& table, const char* const* arguments,
          int32_t count) {
  const CsvTable csv = memory_table(table);
  const PlotRequest request = parse_request(csv, arguments, count);
  const char* display = std::getenv("DISPLAY");
  if (!picture_file(request) && (display == nullptr || *display == '\0'))
    throw Failure{CP_NO_DISPLAY, "no display to show the plot on"};
  CompositionTable compositions;
  try {
    compositions = select_compositions(csv, request.input);
  } catch (const InputError& e) {
    throw Failure{status_of_input_error(csv, request.input), e.what()};
  }
  std::unique_lock lock(drawing_lock());
  const std::string plugin(plot_info(request.plot).plugin);
  const bool off_screen = picture_file(request).has_value();
  const auto drawn = drew_off_screen().emplace(plugin, off_screen).first;
  if (drawn->second && !off_screen)
    throw Failure{CP_PLOT_FAILED, "the " + plugin +
                                      " plug-in has drawn off screen in this process and shows "
                                      "no window now: show the plot from another process"};
  try {
    const PluginApi api = open_plot(compositions, request, plugin_folder);
    if (picture_file(request)) {
      write_picture_file(api, request);
      return;
    }
    lock.unlock();
    api.ui_wait(-1);
  } catch (const InputError& e) {
    throw Failure{CP_BAD_DATA, e.what()};
  } catch (const std::exception& e) {
    throw Failure{CP_PLOT_FAILED, csv.file + ": " + e.what()};
  }
}

void copy_message(const std::string& text, char* message, int32_t capacity) {
  if (message == nullptr || capacity <= 0) return;
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
  std::memcpy(message, text.data(), n);
  message[n] = '\0';
}

}  // namespace

int32_t cp_plot(const char* plugin_folder, const cp_table* table, const char* const* arguments,
                int32_t count, char* message, int32_t capacity) {
  copy_message("", message, capacity);
  try {
    if (plugin_folder == nullptr || table == nullptr || count < 1 || arguments == nullptr)
      throw Failure{CP_BAD_OPTION, "give the plug-in folder, the table and a plot"};
    draw(plugin_folder, *table, arguments, count);
    return CP_OK;
  } catch (const Failure& failure) {
    copy_message(failure.message, message, capacity);
    return failure.status;
  } catch (const InputError& e) {
    copy_message(e.what(), message, capacity);
    return CP_BAD_DATA;
  } catch (const std::exception& e) {
    copy_message(e.what(), message, capacity);
    return CP_PLOT_FAILED;
  }
}
