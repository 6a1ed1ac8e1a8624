#pragma once

#include <functional>
#include <string>

namespace plot {

// Asks the user where to save the picture, as PNG, SVG, PDF or EPS: the path chosen, empty
// when cancelled. Goes through the sink a test installed instead of the dialog, like the
// message boxes.
using SaveDialogSink = std::function<std::string()>;

std::string choose_picture_path();

// An empty sink restores the dialog.
void set_save_dialog_sink(SaveDialogSink sink);

}  // namespace plot
