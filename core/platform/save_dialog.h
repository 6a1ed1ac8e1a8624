#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace plot {

// A kind of picture the save dialog offers; the first is proposed.
struct SaveFormat {
  std::string_view label;      // in the dialog's list of types
  std::string_view extension;  // with its dot, added to a name that has none of the formats'
};

std::span<const SaveFormat> save_formats();

// What the dialog starts with: the folder it shows and the name it proposes there.
struct SaveRequest {
  std::filesystem::path folder;
  std::string proposed_name;
};

// Stands in for the dialog's window in tests, like the message boxes' sink: gets the request
// and answers what the user would have typed or picked, empty when cancelled.
using SaveDialogSink = std::function<std::string(const SaveRequest& request)>;

// Asks the user where to save the picture of `plugin`, starting in the current folder with a
// name that is free there: the full path, with the extension of its format; empty when
// cancelled. A bare name or relative path is taken in the folder the dialog started in.
std::filesystem::path choose_picture_path(std::string_view plugin);

// An empty sink restores the dialog.
void set_save_dialog_sink(SaveDialogSink sink);

}  // namespace plot
