// The exported C interface: the only place where run-time errors are caught.
#include <FL/Fl.H>
#include <dlfcn.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <unordered_set>

#include "core/com/plugin_definition.h"
#include "core/platform/display_connection.h"
#include "core/platform/host_surfaces.h"
#include "core/platform/message_box.h"
#include "core/platform/picture_format.h"
#include "core/platform/plugin_entry.h"
#include "core/platform/surface_limits.h"
#include "core/platform/whole_file.h"
#include "core/render/picture_scale.h"
#include "plot_plugin.h"

struct plot_object {
  const plot::ClassEntry* entry;
  std::shared_ptr<void> instance;
};

namespace plot {
namespace {

// The objects handed out and not yet released: a pointer released twice, or never handed
// out, is refused instead of freed again.
class LiveObjects {
 public:
  void add(const plot_object* object) {
    const std::lock_guard lock(mutex_);
    objects_.insert(object);
  }
  bool remove(const plot_object* object) {
    const std::lock_guard lock(mutex_);
    return objects_.erase(object) != 0;
  }
  bool contains(const plot_object* object) {
    const std::lock_guard lock(mutex_);
    return objects_.contains(object);
  }
  bool empty() {
    const std::lock_guard lock(mutex_);
    return objects_.empty();
  }

 private:
  std::mutex mutex_;
  std::unordered_set<const plot_object*> objects_;
};

LiveObjects g_live_objects;

plot_object* known(plot_object* object) {
  if (!g_live_objects.contains(object)) raise(ErrorNumber::InvalidCall);
  return object;
}

void clear_error(plot_error* error) {
  if (error == nullptr) return;
  error->number = 0;
  error->text[0] = '\0';
}

int32_t fail(plot_error* error, int32_t number, const std::string& text) {
  if (error != nullptr) {
    error->number = number;
    std::strncpy(error->text, text.c_str(), sizeof(error->text) - 1);
    error->text[sizeof(error->text) - 1] = '\0';
  }
  return number;
}

// Runs `body` as the plug-in's one entry, turning every failure into the error number and text.
template <typename Body>
int32_t guarded(plot_error* error, Body&& body) {
  const PluginEntry entry;
  clear_error(error);
  try {
    body();
    return 0;
  } catch (const RuntimeError& e) {
    return fail(error, e.code(), e.what());
  } catch (const std::bad_alloc&) {
    return fail(error, 7, "Out of memory");
  } catch (const std::exception& e) {
    return fail(error, static_cast<int32_t>(ErrorNumber::InvalidCall), e.what());
  }
}

[[noreturn]] void no_such(const char* what, const char* name) {
  throw RuntimeError(ErrorNumber::InvalidCall, std::string("Object doesn't support this ") + what +
                                                   ": " + (name ? name : "(null)"));
}

ViewerForm* form() {
  return plugin_definition().existing_form();
}

// The form for a call that works its window: a window on the desktop only from its thread.
ViewerForm* form_on_this_thread() {
  ViewerForm* viewer = form();
  if (viewer != nullptr && viewer->window().on_desktop()) require_window_thread();
  return viewer;
}

// The data-entry class's mostrar opens the viewer: with windows, only on their thread.
void require_viewer_thread(const plot_object* object) {
  if (object->entry == &plugin_definition().classes.front() && use_windows())
    require_window_thread();
}

std::filesystem::path manifest_folder(const char* folder) {
  if (folder != nullptr) return folder;
  const char* home = std::getenv("HOME");
  if (home == nullptr) throw RuntimeError(ErrorNumber::InvalidCall, "HOME is not set");
  return std::filesystem::path(home) / ".local/share/compositional-plots/plugins";
}

std::filesystem::path manifest_path(const char* folder) {
  return manifest_folder(folder) /
         (std::string(plugin_definition().profile->deliverable) + ".plugin");
}

std::string library_path() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&plot_api_version), &info) == 0 || info.dli_fname == nullptr)
    return {};
  return std::filesystem::absolute(info.dli_fname).string();
}

}  // namespace
}  // namespace plot

using namespace plot;

extern "C" {

int32_t plot_api_version(void) {
  return PLOT_API_VERSION;
}

const char* plot_plugin_name(void) {
  return plugin_definition().profile->deliverable.data();
}

const char* plot_class_name(int32_t index) {
  const auto& classes = plugin_definition().classes;
  if (index < 0 || static_cast<std::size_t>(index) >= classes.size()) return nullptr;
  return classes[static_cast<std::size_t>(index)].name.c_str();
}

int32_t plot_create(const char* class_name, plot_object** object, plot_error* error) {
  return guarded(error, [&] {
    if (object == nullptr) raise(ErrorNumber::InvalidCall);
    *object = nullptr;
    for (const auto& entry : plugin_definition().classes)
      if (class_name != nullptr && entry.name == class_name) {
        auto made = std::make_unique<plot_object>(plot_object{&entry, entry.create()});
        g_live_objects.add(made.get());
        *object = made.release();
        return;
      }
    throw RuntimeError(ErrorNumber::InvalidCall, std::string("Class not registered: ") +
                                                     (class_name ? class_name : "(null)"));
  });
}

void plot_release(plot_object* object) {
  const PluginEntry entry;
  if (!g_live_objects.remove(object)) return;
  try {
    delete object;
  } catch (...) {
    // A destructor that fails must not take the host down.
  }
}

int32_t plot_get(plot_object* object, const char* property, plot_variant* value,
                 plot_error* error) {
  return guarded(error, [&] {
    if (value == nullptr) raise(ErrorNumber::InvalidCall);
    const PropertyEntry* entry = known(object)->entry->property(property ? property : "");
    if (entry == nullptr) no_such("property or method", property);
    *value = entry->get(object->instance.get());
  });
}

int32_t plot_put(plot_object* object, const char* property, const plot_variant* value,
                 plot_error* error) {
  return guarded(error, [&] {
    if (value == nullptr) raise(ErrorNumber::InvalidCall);
    const PropertyEntry* entry = known(object)->entry->property(property ? property : "");
    if (entry == nullptr) no_such("property or method", property);
    entry->put(object->instance.get(), *value);
  });
}

int32_t plot_call(plot_object* object, const char* method, const plot_variant* arguments,
                  int32_t count, plot_variant* result, plot_error* error) {
  if (result != nullptr) *result = plot_variant{};
  return guarded(error, [&] {
    if (count < 0 || (count > 0 && arguments == nullptr)) raise(ErrorNumber::InvalidCall);
    const MethodEntry* entry = known(object)->entry->method(method ? method : "");
    if (entry == nullptr) no_such("property or method", method);
    require_viewer_thread(object);
    plot_variant returned =
        entry->invoke(object->instance.get(),
                      std::span<const plot_variant>(arguments, static_cast<std::size_t>(count)));
    if (result != nullptr)
      *result = returned;
    else
      plot_variant_clear(&returned);
  });
}

void plot_variant_clear(plot_variant* value) {
  if (value == nullptr) return;
  if (variant_tag(*value) == PLOT_STRING) std::free(const_cast<char*>(value->value.string.data));
  if (variant_tag(*value) == PLOT_STRINGS)
    std::free(const_cast<plot_string*>(value->value.strings.items));
  *value = plot_variant{};
}

int32_t plot_can_unload_now(void) {
  const PluginEntry entry;
  ViewerForm* viewer = form();
  return g_live_objects.empty() && (viewer == nullptr || !viewer->shown()) ? 1 : 0;
}

int32_t plot_register(const char* folder, plot_error* error) {
  return guarded(error, [&] {
    const auto path = manifest_path(folder);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::trunc);
    out << "library=" << library_path() << "\n";
    for (const auto& entry : plugin_definition().classes) out << "class=" << entry.name << "\n";
    if (!out.flush()) throw RuntimeError(ErrorNumber::InvalidCall, "cannot write " + path.string());
  });
}

int32_t plot_unregister(const char* folder, plot_error* error) {
  return guarded(error, [&] {
    std::error_code ignored;
    std::filesystem::remove(manifest_path(folder), ignored);
  });
}

void plot_set_display_mode(int32_t mode) {
  const PluginEntry entry;
  set_display_mode(mode == 1   ? DisplayMode::Window
                   : mode == 2 ? DisplayMode::Offscreen
                               : DisplayMode::Auto);
}

void plot_set_message_sink(void (*sink)(const char* text, void* user), void* user) {
  const PluginEntry entry;
  if (sink == nullptr) {
    set_message_sink(nullptr);
    return;
  }
  set_message_sink([sink, user](const std::string& text) { sink(text.c_str(), user); });
}

int32_t plot_viewer_shown(void) {
  const PluginEntry entry;
  ViewerForm* viewer = form();
  return viewer != nullptr && viewer->shown() ? 1 : 0;
}

int64_t plot_viewer_frames(void) {
  const PluginEntry entry;
  ViewerForm* viewer = form();
  return viewer != nullptr ? viewer->frames() : 0;
}

int32_t plot_viewer_picture(uint8_t* rgb, int32_t capacity, int32_t* width, int32_t* height) {
  const PluginEntry entry;
  ViewerForm* viewer = form();
  // A window's picture is drawn anew on its own thread only: elsewhere there is none.
  if (viewer != nullptr && viewer->window().on_desktop() && !on_window_thread()) viewer = nullptr;
  const Image empty;
  return copy_picture(viewer != nullptr ? viewer->picture_shown() : empty, rgb, capacity, width,
                      height);
}

int32_t plot_viewer_write_png(const char* path, plot_error* error) {
  return guarded(error, [&] {
    ViewerForm* viewer = form_on_this_thread();
    if (path == nullptr) raise(ErrorNumber::InvalidCall);
    if (viewer == nullptr)
      throw RuntimeError(ErrorNumber::InvalidCall, "no viewer has been opened");
    const Image& picture = viewer->picture_shown();
    if (picture.empty())
      throw RuntimeError(ErrorNumber::InvalidCall, "no picture has been presented");
    // Whole or not at all, as plot_viewer_write, in this function's own words.
    try {
      write_whole_file(path, [&](std::FILE* stream) {
        std::string reason;
        if (!write_png(picture, stream, path, reason))
          throw RuntimeError(ErrorNumber::InvalidCall, reason);
      });
    } catch (const FileNotWritten& e) {
      throw RuntimeError(ErrorNumber::InvalidCall,
                         e.stage() == FileNotWritten::Stage::Path
                             ? "cannot open " + std::string(path) + " for writing"
                             : "cannot write " + std::string(path));
    }
  });
}

int32_t plot_viewer_write(const char* path, plot_error* error) {
  return guarded(error, [&] {
    if (path == nullptr) raise(ErrorNumber::InvalidCall);
    ViewerForm* viewer = form_on_this_thread();
    if (viewer == nullptr) {
      // The format is checked first, as it is for an open viewer.
      if (!picture_format_of(path)) raise(ErrorNumber::InvalidCall);
      throw RuntimeError(ErrorNumber::InvalidCall, "no viewer has been opened");
    }
    viewer->write_picture(path);
  });
}

int32_t plot_set_picture_scale(int32_t scale, plot_error* error) {
  return guarded(error, [&] {
    if (scale < kSmallestPictureScale || scale > kLargestPictureScale)
      throw RuntimeError(ErrorNumber::InvalidCall,
                         "picture scale " + std::to_string(scale) + " is outside 1 to 4");
    // Checked before anything changes: a scale the surface cannot take leaves all as it was.
    const FormLayout& layout = plugin_definition().profile->layout;
    check_surface_size(twips_to_pixels(layout.client_width), twips_to_pixels(layout.client_height),
                       scale);
    ViewerForm* viewer = form_on_this_thread();
    FormWindow* window = viewer != nullptr && viewer->shown() ? &viewer->window() : nullptr;
    if (window != nullptr && !window->on_desktop())
      check_surface_size(window->client_width() / window->picture_scale(),
                         window->client_height() / window->picture_scale(), scale);
    set_picture_scale(scale);
    if (window != nullptr) window->set_picture_scale(scale);
  });
}

int32_t plot_viewer_click(const char* button, plot_error* error) {
  return guarded(error, [&] {
    const auto id = button_by_name(button ? button : "");
    if (!id) no_such("button", button);
    if (ViewerForm* viewer = form_on_this_thread()) viewer->window().user_click(*id);
  });
}

int32_t plot_viewer_resize(int32_t width, int32_t height, plot_error* error) {
  return guarded(error, [&] {
    if (width < 0 || height < 0) raise(ErrorNumber::InvalidCall);
    ViewerForm* viewer = form_on_this_thread();
    check_surface_size(width, height, viewer != nullptr ? viewer->window().picture_scale() : 1);
    if (viewer != nullptr) viewer->window().user_resize(width, height);
  });
}

int32_t plot_viewer_drag(int32_t dx, int32_t dy, plot_error* error) {
  return guarded(error, [&] {
    if (ViewerForm* viewer = form_on_this_thread()) viewer->window().user_drag(dx, dy);
  });
}

int32_t plot_viewer_wheel(int32_t steps, plot_error* error) {
  return guarded(error, [&] {
    if (ViewerForm* viewer = form_on_this_thread()) viewer->window().user_wheel(steps);
  });
}

int32_t plot_viewer_close(plot_error* error) {
  return guarded(error, [&] {
    if (ViewerForm* viewer = form_on_this_thread()) viewer->window().user_close();
  });
}

void plot_ui_wait(double seconds) {
  {
    const PluginEntry entry;
    // Another thread's windows: their events are that thread's to handle.
    if (display_connection_open() && !on_window_thread()) return;
    // An off-screen viewer has no event loop: the frame its drags asked for is drawn here.
    if (ViewerForm* viewer = form(); viewer != nullptr && viewer->shown()) viewer->window().flush();
  }
  if (!display_connection_open()) return;
  // Waiting holds no entry, so that other threads' calls go on; each window event takes one.
  // The window system would wait for the next event on NaN, and convert infinity to an integer.
  if (std::isnan(seconds)) seconds = 0;
  if (seconds < 0 || std::isinf(seconds)) {
    while (Fl::first_window() != nullptr) Fl::wait(1.0);
    return;
  }
  Fl::wait(seconds);
}

void plot_set_frame_capture(int32_t on) {
  const PluginEntry entry;
  set_frame_capture(on != 0);
}

int32_t plot_offscreen_device_context(int32_t width, int32_t height) {
  const PluginEntry entry;
  return make_host_surface(width, height);
}

int32_t plot_release_device_context(int32_t hdc) {
  const PluginEntry entry;
  return free_host_surface(hdc) ? 0 : static_cast<int32_t>(ErrorNumber::InvalidCall);
}

}  // extern "C"
