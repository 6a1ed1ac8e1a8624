#pragma once

#include <functional>
#include <string>

namespace plot {

// Every message the plug-ins show to the user goes through here: a modal box with one "OK"
// button, or the sink a host or a test installed instead.
using MessageSink = std::function<void(const std::string& text)>;

void show_message(const std::string& text);

// What a user asked for in a window and did not get: the same box on screen, whatever sink a
// host set for the plots' own messages; the sink or the error stream only without a screen or
// off the windows' thread.
void show_alert(const std::string& text);

// An empty sink restores the dialog.
void set_message_sink(MessageSink sink);

}  // namespace plot
