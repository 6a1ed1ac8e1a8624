#include "core/platform/device_context_table.h"

#include <unordered_map>

namespace plot {
namespace {

std::unordered_map<int32_t, DrawingSurface*>& table() {
  static std::unordered_map<int32_t, DrawingSurface*> surfaces;
  return surfaces;
}

int32_t g_next_hdc = 0;
int32_t g_next_hwnd = 0;

}  // namespace

int32_t register_device_context(DrawingSurface* surface) {
  const int32_t hdc = ++g_next_hdc;
  table()[hdc] = surface;
  return hdc;
}

void unregister_device_context(int32_t hdc) {
  table().erase(hdc);
}

DrawingSurface* device_context(int32_t hdc) {
  const auto found = table().find(hdc);
  return found == table().end() ? nullptr : found->second;
}

int32_t new_window_handle() {
  return ++g_next_hwnd;
}

}  // namespace plot
