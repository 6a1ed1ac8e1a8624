#include "core/platform/message_box.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>

#include <cstdio>

#include "core/platform/display_connection.h"
#include "core/platform/plugin_entry.h"

namespace plot {
namespace {

MessageSink& sink() {
  static MessageSink installed;
  return installed;
}

void alert_box(const std::string& text) {
  // One button, "OK", whichever of FLTK's button texts the alert uses.
  fl_ok = "OK";
  fl_close = "OK";
  fl_message_title("");
  fl_alert("%s", text.c_str());
}

}  // namespace

void show_message(const std::string& text) {
  if (sink()) {
    // A copy: the sink may install another while it runs.
    const MessageSink current = sink();
    current(text);
    return;
  }
  // A dialog runs the event loop, which belongs to the windows' thread.
  if (display_connection_open() && on_window_thread()) {
    alert_box(text);
    return;
  }
  // No screen, or not its thread, and no sink: the text must still reach someone.
  std::fprintf(stderr, "%s\n", text.c_str());
}

void show_alert(const std::string& text) {
  if (display_connection_open() && on_window_thread())
    alert_box(text);
  else
    show_message(text);
}

void set_message_sink(MessageSink new_sink) {
  sink() = std::move(new_sink);
}

}  // namespace plot
