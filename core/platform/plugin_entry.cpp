#include "core/platform/plugin_entry.h"

#include <mutex>
#include <optional>
#include <thread>

#include "core/errors/runtime_error.h"
#include "core/platform/drawing_surface.h"

namespace plot {
namespace {

std::recursive_mutex g_entry;
// Touched only by the thread holding g_entry.
int g_depth = 0;
std::optional<std::thread::id> g_window_thread;

}  // namespace

PluginEntry::PluginEntry() {
  g_entry.lock();
  ++g_depth;
}

PluginEntry::~PluginEntry() {
  // An EGL context current on one thread cannot be made current on another.
  if (--g_depth == 0) release_noted_context();
  g_entry.unlock();
}

bool on_window_thread() {
  const PluginEntry entry;
  if (!g_window_thread) g_window_thread = std::this_thread::get_id();
  return *g_window_thread == std::this_thread::get_id();
}

void require_window_thread() {
  if (!on_window_thread())
    throw RuntimeError(ErrorNumber::InvalidCall, "Viewer windows belong to another thread");
}

}  // namespace plot
