#pragma once

namespace plot {

// Every way into the plug-in, a host's call or a window event, holds one of these: one entry at
// a time, a second thread waits, and the thread inside may come back in (a message sink that
// asks the plug-in something). Leaving the outermost one lets go of the rendering context made
// current inside, so that the next thread to enter can make it current on its own.
class PluginEntry {
 public:
  PluginEntry();
  ~PluginEntry();
  PluginEntry(const PluginEntry&) = delete;
  PluginEntry& operator=(const PluginEntry&) = delete;
};

// Windows, message boxes and the event loop belong to one thread, the first that uses them.
// True on that thread, which the first caller becomes.
bool on_window_thread();
// Raises 5 "Viewer windows belong to another thread" anywhere else.
void require_window_thread();

}  // namespace plot
