#pragma once

#include <functional>
#include <string>

namespace plot {

// Every message the plug-ins show to the user goes through here: a modal box with one "OK"
// button, or the sink a host or a test installed instead.
using MessageSink = std::function<void(const std::string& text)>;

void show_message(const std::string& text);

// An empty sink restores the dialog.
void set_message_sink(MessageSink sink);

}  // namespace plot
