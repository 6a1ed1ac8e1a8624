#include "core/platform/save_dialog.h"

#include <FL/Fl_Native_File_Chooser.H>

#include <algorithm>
#include <cctype>
#include <optional>

#include "core/platform/display_connection.h"
#include "core/platform/plugin_entry.h"

namespace plot {
namespace {

// One row per kind of picture, in the order of the dialog's list of types.
constexpr SaveFormat kFormats[] = {
    {.label = "PNG picture", .extension = ".png"},
    {.label = "SVG drawing", .extension = ".svg"},
    {.label = "PDF document", .extension = ".pdf"},
    {.label = "EPS figure", .extension = ".eps"},
};

// Beyond this many pictures of one plug-in in a folder the last number is proposed again,
// and the dialog asks before replacing it.
constexpr int kMostNumbers = 100000;

struct Answer {
  std::string name;
  std::size_t format = 0;  // the type chosen in the dialog, for a name without extension
};

SaveDialogSink& sink() {
  static SaveDialogSink installed;
  return installed;
}

bool same_extension(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

std::optional<std::size_t> format_of(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  for (std::size_t k = 0; k < std::size(kFormats); ++k)
    if (same_extension(extension, kFormats[k].extension)) return k;
  return std::nullopt;
}

// "<plug-in>-<n>.png" with the first n that names no file in `folder`.
std::string proposed_name(const std::filesystem::path& folder, std::string_view plugin) {
  std::string name;
  for (int n = 1; n <= kMostNumbers; ++n) {
    name = std::string(plugin) + "-" + std::to_string(n) + std::string(kFormats[0].extension);
    std::error_code error;
    if (!std::filesystem::exists(folder / name, error)) break;
  }
  return name;
}

std::string type_list() {
  std::string list;
  for (const SaveFormat& format : kFormats) {
    if (!list.empty()) list += '\n';
    list += std::string(format.label) + "\t*" + std::string(format.extension);
  }
  return list;
}

Answer native_dialog(const SaveRequest& request) {
  // No screen, no dialog: nothing is saved rather than blocking on a prompt nobody sees. A
  // dialog runs the event loop, which belongs to the windows' thread.
  if (!display_connection_open() || !on_window_thread()) return {};
  Fl_Native_File_Chooser chooser;
  chooser.type(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
  chooser.title("Save picture");
  const std::string types = type_list();
  chooser.filter(types.c_str());
  // Without a folder of its own the dialog opens on recent files, where a bare name is refused.
  const std::string folder = request.folder.string();
  if (!folder.empty()) chooser.directory(folder.c_str());
  chooser.preset_file(request.proposed_name.c_str());
  chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM | Fl_Native_File_Chooser::NEW_FOLDER |
                  Fl_Native_File_Chooser::USE_FILTER_EXT);
  if (chooser.show() != 0 || chooser.filename() == nullptr) return {};
  const auto chosen = static_cast<std::size_t>(std::max(chooser.filter_value(), 0));
  return {chooser.filename(), chosen < std::size(kFormats) ? chosen : 0};
}

}  // namespace

std::span<const SaveFormat> save_formats() {
  return kFormats;
}

std::filesystem::path choose_picture_path(std::string_view plugin) {
  SaveRequest request;
  std::error_code error;
  request.folder = std::filesystem::current_path(error);
  request.proposed_name = proposed_name(request.folder, plugin);
  const Answer answer = sink() ? Answer{sink()(request)} : native_dialog(request);
  if (answer.name.empty()) return {};
  std::filesystem::path path = answer.name;
  if (path.is_relative()) path = request.folder / path;
  if (!format_of(path)) path += std::string(kFormats[answer.format].extension);
  return path;
}

void set_save_dialog_sink(SaveDialogSink new_sink) {
  sink() = std::move(new_sink);
}

}  // namespace plot
