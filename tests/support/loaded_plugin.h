#pragma once

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "plot_plugin.h"
#include "plot_plugin_loader.h"
#include "plot_plugin_testing.h"

namespace plot::testing {

// A plug-in loaded the way a host loads it, from the folder in PLOT_PLUGIN_DIR (ctest sets it);
// `handle` is null after a reported failure. It stays loaded, as in a host.
struct LoadedPlugin : plot_plugin_library {
  // Mode as plot_set_display_mode takes it: 1 windows, 2 off screen.
  LoadedPlugin(const std::string& plugin, int32_t mode) : plot_plugin_library{} {
    const char* folder = std::getenv("PLOT_PLUGIN_DIR");
    const std::string path =
        std::string(folder != nullptr ? folder : "plugins") + "/" + plugin + ".so";
    char reason[512];
    if (plot_load_plugin(path.c_str(), this, reason, sizeof reason) != 0) {
      ADD_FAILURE() << reason;
      return;
    }
    bind_testing_functions();
    set_display_mode(mode);
  }

  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  // The testing functions, which no host loads.
  decltype(&plot_testing_live_renderers) testing_live_renderers = nullptr;
  decltype(&plot_testing_live_contexts) testing_live_contexts = nullptr;
  decltype(&plot_testing_fail) testing_fail = nullptr;
  decltype(&plot_device_context_picture) device_context_picture = nullptr;
  decltype(&plot_testing_reenter_display) testing_reenter_display = nullptr;

  // Every message the plug-in shows fails the test.
  void fail_on_messages() {
    set_message_sink([](const char* text, void*) { ADD_FAILURE() << "message: " << text; },
                     nullptr);
  }

 private:
  template <typename F>
  void bind(F& field, const char* name) {
    field = reinterpret_cast<F>(dlsym(handle, name));
    if (field == nullptr) ADD_FAILURE() << "missing " << name;
  }
  void bind_testing_functions() {
    bind(testing_live_renderers, "plot_testing_live_renderers");
    bind(testing_live_contexts, "plot_testing_live_contexts");
    bind(testing_fail, "plot_testing_fail");
    bind(device_context_picture, "plot_device_context_picture");
    bind(testing_reenter_display, "plot_testing_reenter_display");
  }
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
