#pragma once

#include <new>
#include <vector>

#include "core/platform/device_context_table.h"
#include "core/platform/egl_offscreen_surface.h"
#include "core/render/renderer.h"

namespace plot::testing {

// A renderer on an off-screen surface of its own, registered as a device context; every
// presented frame is kept, and the next `fail_presents` presents throw as an allocation would.
class OffscreenRenderer {
 public:
  explicit OffscreenRenderer(Renderer& renderer) : renderer_(renderer), surface_(300, 300) {
    hdc_ = register_device_context(&surface_);
    surface_.set_present_observer([this](DrawingSurface& frame) {
      if (fail_presents > 0) {
        --fail_presents;
        throw std::bad_alloc();
      }
      frames.push_back(frame.read_frame());
    });
  }
  ~OffscreenRenderer() {
    renderer_.Class_Terminate();
    unregister_device_context(hdc_);
  }
  OffscreenRenderer(const OffscreenRenderer&) = delete;
  OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

  bool initialize() {
    int32_t hwnd = new_window_handle();
    return renderer_.Initialize(hwnd, hdc_) != 0;
  }

  std::vector<Image> frames;
  int fail_presents = 0;

 private:
  Renderer& renderer_;
  EglOffscreenSurface surface_;
  int32_t hdc_ = 0;
};

}  // namespace plot::testing
