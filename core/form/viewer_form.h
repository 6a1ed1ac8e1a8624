#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "core/form/form_window.h"
#include "core/render/renderer.h"

namespace plot {

// The viewer form every plug-in has: the entry sequence of parametres, the window events and
// the camera buttons. One form object per plug-in, reused by every mostrar.
class ViewerForm : public FormEvents {
 public:
  explicit ViewerForm(const PluginProfile& profile) : profile_(profile) {}
  ~ViewerForm() override;  // Form_Terminate
  ViewerForm(const ViewerForm&) = delete;
  ViewerForm& operator=(const ViewerForm&) = delete;

  const PluginProfile& profile() const { return profile_; }

  // parametres: a fresh renderer replaces the previous one; `hand_over` is the plot's own
  // step (Passar_Punts and the settings); then Initialize, whose result is not examined, and
  // the modeless show. A run-time error ends it there and the window is not shown.
  template <typename R>
  R& parametres(const std::function<void(R&)>& hand_over) {
    auto fresh = std::make_unique<R>();
    R& renderer = *fresh;
    renderer_ = std::move(fresh);
    run_entry_sequence([&] { hand_over(renderer); });
    return renderer;
  }

  Renderer* renderer() { return renderer_.get(); }
  FormWindow& window();
  bool shown() const { return window_ != nullptr && window_->shown(); }
  int64_t frames() const { return frames_; }
  // Off screen without frame capture, the kept frame is read here, once per frame.
  const Image& last_picture();
  // The picture on show: the last frame, drawn once more and read in a window whose frames
  // are not captured; empty when no viewer is shown and no frame is kept.
  const Image& picture_shown();

  void Form_Initialize() {}
  void Form_Paint() override;
  void Form_Resize() override;
  void Form_Unload(int16_t& Cancel) override;
  void Form_Terminate();
  void button_click(ButtonId button) override;
  void frame_presented(DrawingSurface& surface) override;
  void mouse_drag(int32_t dx, int32_t dy) override;
  void mouse_wheel(int32_t steps) override;
  // Ctrl+S: the picture shown, as a PNG, SVG, PDF or EPS file where the user chooses.
  void save_picture() override;
  void picture_rescaled() override;

  // The picture on show into `path`, in the format of its extension (.png, .svg, .pdf, .eps),
  // whole or not at all. The vector formats draw the scene of the open viewer again; the PNG
  // is the picture_shown. Raises Invalid procedure call for another extension, nothing to
  // show, or a file that cannot be written.
  void write_picture(const std::string& path);

  void Sortir_Click();

 private:
  void run_entry_sequence(const std::function<void()>& hand_over);
  void camera_button(ButtonId button);
  // One zoom button's step; false, changing nothing, where the field of view would leave
  // (0, 180).
  bool zoom_by(double step);
  // The camera moved: the scene is recompiled once, at the next frame.
  void request_scene();
  // A run-time error in a window event stops that handler and is shown to the user; it never
  // reaches the window system.
  void guarded(const std::function<void()>& handler);

  const PluginProfile& profile_;
  std::unique_ptr<Renderer> renderer_;
  std::unique_ptr<FormWindow> window_;
  int32_t previous_width_ = 0;
  int32_t previous_height_ = 0;
  int64_t frames_ = 0;
  Image last_picture_;
  bool scene_pending_ = false;
  bool unread_ = false;        // a frame was presented off screen and not read yet
  bool capture_next_ = false;  // the next frame is read whatever the capture switch says
};

std::string run_time_error_message(int32_t number, const std::string& text);

}  // namespace plot
