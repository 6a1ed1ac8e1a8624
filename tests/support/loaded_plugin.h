#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "plot_plugin.h"

namespace plot::testing {

// A plug-in loaded the way a host loads it: dlopen from the folder in PLOT_PLUGIN_DIR (ctest
// sets it) and dlsym of the whole C interface. `handle` is null after a reported failure.
struct LoadedPlugin {
// Each function of the interface: the field's name and the symbol's name without "plot_".
// clang-format off
#define PLOT_INTERFACE(X)                                                          \
  X(class_name, class_name) X(create, create) X(release, release)                  \
  X(get, get) X(put, put) X(call, call) X(variant_clear, variant_clear)            \
  X(can_unload_now, can_unload_now)                                                \
  X(register_plugin, register) X(unregister_plugin, unregister)                    \
  X(set_display_mode, set_display_mode) X(set_message_sink, set_message_sink)      \
  X(viewer_shown, viewer_shown) X(viewer_frames, viewer_frames)                    \
  X(viewer_picture, viewer_picture) X(viewer_write_png, viewer_write_png)          \
  X(viewer_write, viewer_write) X(set_picture_scale, set_picture_scale)            \
  X(viewer_click, viewer_click) X(viewer_resize, viewer_resize)                    \
  X(viewer_close, viewer_close) X(ui_wait, ui_wait)                                \
  X(viewer_drag, viewer_drag) X(viewer_wheel, viewer_wheel)                        \
  X(set_frame_capture, set_frame_capture)                                          \
  X(testing_fail_pixel_format, testing_fail_pixel_format)                          \
  X(offscreen_device_context, offscreen_device_context)
// clang-format on
#define PLOT_DECLARE(field, symbol) decltype(&plot_##symbol) field = nullptr;
  PLOT_INTERFACE(PLOT_DECLARE)
#undef PLOT_DECLARE

  // Mode as plot_set_display_mode takes it: 1 windows, 2 off screen.
  LoadedPlugin(const std::string& plugin, int32_t mode) {
    const char* folder = std::getenv("PLOT_PLUGIN_DIR");
    const std::string path =
        std::string(folder != nullptr ? folder : "plugins") + "/" + plugin + ".so";
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      ADD_FAILURE() << dlerror();
      return;
    }
#define PLOT_BIND(field, symbol)                                                      \
  field = reinterpret_cast<decltype(&plot_##symbol)>(dlsym(handle, "plot_" #symbol)); \
  if (field == nullptr) ADD_FAILURE() << "missing plot_" #symbol;
    PLOT_INTERFACE(PLOT_BIND)
#undef PLOT_BIND
    if (set_display_mode != nullptr) set_display_mode(mode);
  }
#undef PLOT_INTERFACE

  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  // Every message the plug-in shows fails the test.
  void fail_on_messages() {
    set_message_sink([](const char* text, void*) { ADD_FAILURE() << "message: " << text; },
                     nullptr);
  }

  void* handle = nullptr;
};

// A test of one plug-in loaded off screen as a host loads it: any message fails it, and a
// viewer left open is closed.
class LibraryTest : public ::testing::Test {
 protected:
  explicit LibraryTest(std::string plugin) : plugin_name_(std::move(plugin)) {}

  void SetUp() override {
    plugin_ = std::make_unique<LoadedPlugin>(plugin_name_, 2);
    ASSERT_NE(plugin_->handle, nullptr);
    plugin_->fail_on_messages();
  }
  void TearDown() override {
    if (plugin_ != nullptr && plugin_->viewer_close != nullptr) plugin_->viewer_close(&error_);
  }

  std::unique_ptr<LoadedPlugin> plugin_;
  plot_error error_{};

 private:
  std::string plugin_name_;
};

}  // namespace plot::testing
