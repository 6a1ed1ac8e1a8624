#include "core/platform/save_dialog.h"

#include <FL/Fl_Native_File_Chooser.H>

#include <algorithm>
#include <array>
#include <filesystem>

#include "core/platform/display_connection.h"

namespace plot {
namespace {

// The dialog's filters, in the order it lists them; a name typed without an extension takes
// the one of the filter chosen.
constexpr std::array<const char*, 4> kExtensions = {".png", ".svg", ".pdf", ".eps"};
constexpr const char* kFilters =
    "PNG picture\t*.png\nSVG drawing\t*.svg\nPDF document\t*.pdf\nEPS figure\t*.eps";

SaveDialogSink& sink() {
  static SaveDialogSink installed;
  return installed;
}

std::string native_dialog() {
  // No screen, no dialog: nothing is saved rather than blocking on a prompt nobody sees.
  if (!display_connection_open()) return {};
  Fl_Native_File_Chooser chooser;
  chooser.type(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
  chooser.title("Save picture");
  chooser.filter(kFilters);
  chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM | Fl_Native_File_Chooser::NEW_FOLDER);
  if (chooser.show() != 0 || chooser.filename() == nullptr) return {};
  std::filesystem::path path = chooser.filename();
  const int last = static_cast<int>(kExtensions.size()) - 1;
  if (!path.has_extension())
    path += kExtensions[static_cast<std::size_t>(std::clamp(chooser.filter_value(), 0, last))];
  return path.string();
}

}  // namespace

std::string choose_picture_path() {
  if (sink()) return sink()();
  return native_dialog();
}

void set_save_dialog_sink(SaveDialogSink new_sink) {
  sink() = std::move(new_sink);
}

}  // namespace plot
