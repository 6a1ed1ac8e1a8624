// The exported functions of plot_plugin_testing.h.
#include "core/platform/host_surfaces.h"
#include "core/platform/plugin_entry.h"
#include "core/platform/testing_hooks.h"
#include "core/render/renderer.h"
#include "plot_plugin_testing.h"

using namespace plot;

extern "C" {

int32_t plot_testing_live_renderers(void) {
  const PluginEntry entry;
  return live_renderer_count();
}

int32_t plot_testing_live_contexts(void) {
  const PluginEntry entry;
  return live_context_count();
}

void plot_testing_fail(const char* what, int32_t on) {
  const PluginEntry entry;
  if (what == nullptr) return;
  if (const auto step = testing_hooks::step_named(what)) testing_hooks::set_failing(*step, on != 0);
}

int32_t plot_device_context_picture(int32_t hdc, uint8_t* rgb, int32_t capacity, int32_t* width,
                                    int32_t* height) {
  const PluginEntry entry;
  const Image none;
  const Image* picture = host_surface_picture(hdc);
  return copy_picture(picture != nullptr ? *picture : none, rgb, capacity, width, height);
}

void plot_testing_reenter_display(int32_t on) {
  const PluginEntry entry;
  testing_hooks::set_reenter_display(on != 0);
}

}  // extern "C"
