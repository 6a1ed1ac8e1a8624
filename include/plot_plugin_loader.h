/* A plug-in loaded the way any host loads it: dlopen, then dlsym of every function of
 * plot_plugin.h into a table of pointers. Link with -ldl (pkg-config gives it).
 *
 *   plot_plugin_library havrel;
 *   char reason[256];
 *   if (plot_load_plugin("plugins/Havrel.so", &havrel, reason, sizeof reason) != 0) ...
 *   havrel.create("CDades_Havrel", &data, &error);
 *   ...
 *   plot_unload_plugin(&havrel); */
#ifndef PLOT_PLUGIN_LOADER_H
#define PLOT_PLUGIN_LOADER_H

#include <dlfcn.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include "plot_plugin.h"

#ifdef __cplusplus
#define PLOT_FUNCTION_POINTER(function) decltype(&function)
#else
#define PLOT_FUNCTION_POINTER(function) __typeof__(&function)
#endif

/* Each function of the interface: the table's field, and the symbol without "plot_". */
#define PLOT_PLUGIN_FUNCTIONS(X)                        \
  X(api_version, api_version)                           \
  X(plugin_name, plugin_name)                           \
  X(class_name, class_name)                             \
  X(create, create)                                     \
  X(release, release)                                   \
  X(get, get)                                           \
  X(put, put)                                           \
  X(call, call)                                         \
  X(variant_clear, variant_clear)                       \
  X(can_unload_now, can_unload_now)                     \
  X(register_plugin, register)                          \
  X(unregister_plugin, unregister)                      \
  X(set_display_mode, set_display_mode)                 \
  X(set_message_sink, set_message_sink)                 \
  X(viewer_shown, viewer_shown)                         \
  X(viewer_frames, viewer_frames)                       \
  X(set_frame_capture, set_frame_capture)               \
  X(viewer_picture, viewer_picture)                     \
  X(viewer_write_png, viewer_write_png)                 \
  X(viewer_write, viewer_write)                         \
  X(set_picture_scale, set_picture_scale)               \
  X(viewer_click, viewer_click)                         \
  X(viewer_resize, viewer_resize)                       \
  X(viewer_close, viewer_close)                         \
  X(viewer_drag, viewer_drag)                           \
  X(viewer_wheel, viewer_wheel)                         \
  X(ui_wait, ui_wait)                                   \
  X(offscreen_device_context, offscreen_device_context) \
  X(release_device_context, release_device_context)

typedef struct plot_plugin_library {
  void* handle; /* from dlopen; NULL when not loaded */
#define PLOT_LIBRARY_FIELD(field, symbol) PLOT_FUNCTION_POINTER(plot_##symbol) field;
  PLOT_PLUGIN_FUNCTIONS(PLOT_LIBRARY_FIELD)
#undef PLOT_LIBRARY_FIELD
} plot_plugin_library;

/* Points `*function` (a function pointer of `size` bytes) at the symbol `name`; 0 when the
 * library has none. */
static inline int plot_find_function(void* handle, const char* name, void* function, size_t size) {
  void* symbol = dlsym(handle, name);
  if (symbol == NULL || size != sizeof symbol) return 0;
  memcpy(function, &symbol, size);
  return 1;
}

static inline void plot_unload_plugin(plot_plugin_library* library) {
  if (library->handle != NULL) dlclose(library->handle);
  memset(library, 0, sizeof *library);
}

/* Loads the plug-in at `path` with every function of its interface: 0, or -1 with the reason in
 * `reason` (`capacity` bytes, may be 0) and nothing loaded. */
static inline int plot_load_plugin(const char* path, plot_plugin_library* library, char* reason,
                                   size_t capacity) {
  const char* error;
  memset(library, 0, sizeof *library);
  library->handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (library->handle == NULL) {
    error = dlerror();
    if (capacity > 0) snprintf(reason, capacity, "%s", error != NULL ? error : path);
    return -1;
  }
#define PLOT_LIBRARY_BIND(field, symbol)                                     \
  if (!plot_find_function(library->handle, "plot_" #symbol, &library->field, \
                          sizeof library->field)) {                          \
    if (capacity > 0) snprintf(reason, capacity, "missing plot_" #symbol);   \
    plot_unload_plugin(library);                                             \
    return -1;                                                               \
  }
  PLOT_PLUGIN_FUNCTIONS(PLOT_LIBRARY_BIND)
#undef PLOT_LIBRARY_BIND
  return 0;
}

#endif
