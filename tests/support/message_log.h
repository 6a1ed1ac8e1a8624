#pragma once

#include <string>
#include <vector>

#include "core/form/form_window.h"
#include "core/platform/message_box.h"

namespace plot::testing {

// Collects the messages the plug-in shows while it lives, so no test waits on a dialog, and
// runs the viewers off screen.
class MessageLog {
 public:
  MessageLog() {
    set_display_mode(DisplayMode::Offscreen);
    set_message_sink([this](const std::string& text) { messages.push_back(text); });
  }
  ~MessageLog() { set_message_sink(nullptr); }
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  std::vector<std::string> messages;
};

}  // namespace plot::testing
