#include "core/form/viewer_form.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "core/errors/runtime_error.h"
#include "core/form/fltk_form_window.h"
#include "core/form/offscreen_form_window.h"
#include "core/platform/message_box.h"
#include "core/platform/picture_format.h"
#include "core/platform/save_dialog.h"
#include "core/platform/whole_file.h"

namespace plot {
namespace {
// Fine enough to aim, and one drag across the picture goes more than once round.
constexpr float kDegreesPerPixel = 0.5f;
}  // namespace

std::string run_time_error_message(int32_t number, const std::string& text) {
  return "Run-time error '" + std::to_string(number) + "':\n\n" + text;
}

ViewerForm::~ViewerForm() {
  Form_Terminate();
}

FormWindow& ViewerForm::window() {
  if (!window_) {
    if (use_windows())
      window_ = std::make_unique<FltkFormWindow>(profile_, *this);
    else
      window_ = std::make_unique<OffscreenFormWindow>(profile_, *this);
  }
  return *window_;
}

void ViewerForm::run_entry_sequence(const std::function<void()>& hand_over) {
  const bool was_shown = shown();
  scene_pending_ = false;  // the fresh renderer compiles its own scene
  try {
    hand_over();
    FormWindow& form = window();
    int32_t hwnd = form.hwnd();
    int32_t hdc = form.hdc();
    renderer_->Initialize(hwnd, hdc);
    form.show();
    // Showing an open window sends no events, yet the fresh context has no projection and
    // the new data must be seen: size and draw as a resize to the same size does.
    if (was_shown) Form_Resize();
  } catch (...) {
    // A window made only for this call goes again: the host sees the error, not a window.
    if (!was_shown && window_) window_->unload();
    throw;
  }
}

void ViewerForm::Form_Paint() {
  if (scene_pending_ && renderer_) {
    scene_pending_ = false;
    // On failure the message is shown and the list compiled before is drawn again.
    guarded([&] { renderer_->DrawWorld(); });
  }
  guarded([&] {
    if (renderer_) renderer_->display();
  });
}

void ViewerForm::Form_Resize() {
  guarded([&] {
    const int32_t width = window().client_width();
    const int32_t height = window().client_height();
    if (renderer_) {
      renderer_->OnSize(width, height);
      if (width <= previous_width_ && height <= previous_height_) renderer_->display();
    }
    previous_width_ = width;
    previous_height_ = height;
  });
}

void ViewerForm::Form_Unload(int16_t& Cancel) {
  Cancel = 0;
  guarded([&] {
    if (!renderer_) return;
    const int32_t width = window().client_width();
    const int32_t height = window().client_height();
    // Off screen the surface goes with the window, so a closing frame is never read unless
    // captures keep it: drawing it would only cost time. The scene is still compiled, so its
    // errors reach the host as they would on a desktop.
    const bool frames_seen = window().on_desktop() || frame_capture();
    if (frames_seen) {
      renderer_->display();
    } else {
      unread_ = false;
      last_picture_.clear();  // what was read goes with the surface, as a closing frame would
    }
    renderer_->DrawWorld();
    renderer_->OnSize(width, height);
    if (profile_.unload == UnloadVariant::KeepRenderer) {
      if (frames_seen) renderer_->display();
      renderer_->DrawWorld();
    } else {
      renderer_->Class_Terminate();
      renderer_.reset();
    }
  });
}

void ViewerForm::Form_Terminate() {
  renderer_.reset();
  window_.reset();
}

void ViewerForm::Sortir_Click() {
  window().user_close();
}

void ViewerForm::button_click(ButtonId button) {
  if (button == ButtonId::Sortir) {
    Sortir_Click();
    return;
  }
  guarded([&] { camera_button(button); });
}

void ViewerForm::camera_button(ButtonId button) {
  Renderer* r = renderer_.get();
  if (r == nullptr || !profile_.three_d) return;
  const float turn = profile_.rotation_step;
  switch (button) {
    case ButtonId::Rot_X:
      r->xAngle = r->xAngle - turn;
      break;
    case ButtonId::Rot_XX:
      r->xAngle = r->xAngle + turn;
      break;
    case ButtonId::Rot_Y:
      r->yAngle = r->yAngle - turn;
      break;
    case ButtonId::Rot_YY:
      r->yAngle = r->yAngle + turn;
      break;
    case ButtonId::Rot_Z:
      r->zAngle = r->zAngle - turn;
      break;
    case ButtonId::Rot_ZZ:
      r->zAngle = r->zAngle + turn;
      break;
    case ButtonId::dec_zoom:
    case ButtonId::inc_zoom:
      if (!zoom_by(button == ButtonId::dec_zoom ? profile_.zoom_step : -profile_.zoom_step)) return;
      break;
    case ButtonId::Sortir:
      return;
  }
  r->DrawWorld();
  r->display();
}

bool ViewerForm::zoom_by(double step) {
  Renderer& r = *renderer_;
  const double wanted = r.m_fieldOfView + step;
  // The projection degenerates at 0 and 180 degrees.
  if (!(wanted > 0 && wanted < 180)) return false;
  r.m_fieldOfView = wanted;
  r.SetViewPort();
  return true;
}

void ViewerForm::request_scene() {
  scene_pending_ = true;
  window().request_frame();
}

void ViewerForm::mouse_drag(int32_t dx, int32_t dy) {
  Renderer* r = renderer_.get();
  if (r == nullptr || !profile_.three_d || (dx == 0 && dy == 0)) return;
  r->yAngle = r->yAngle + kDegreesPerPixel * static_cast<float>(dx);
  r->xAngle = r->xAngle + kDegreesPerPixel * static_cast<float>(dy);
  request_scene();
}

void ViewerForm::mouse_wheel(int32_t steps) {
  if (renderer_ == nullptr || !profile_.three_d || steps == 0) return;
  guarded([&] {
    // Away from the user zooms in, as inc_zoom does.
    const double step = steps > 0 ? -profile_.zoom_step : profile_.zoom_step;
    const int64_t count = std::abs(static_cast<int64_t>(steps));
    int64_t done = 0;
    while (done < count && zoom_by(step)) ++done;
    if (done > 0) request_scene();
  });
}

void ViewerForm::save_picture() {
  const std::filesystem::path path = choose_picture_path(profile_.deliverable);
  if (path.empty()) return;
  try {
    write_picture(path.string());
  } catch (const std::exception& error) {
    const std::string text = std::string("The picture was not saved: ") + error.what();
    // The user asked in the window and looks at it, not at the host's log.
    if (window().on_desktop())
      show_alert(text);
    else
      show_message(text);
  }
}

void ViewerForm::write_picture(const std::string& path) {
  const std::optional<PictureFormat> format = picture_format_of(path);
  if (!format) raise(ErrorNumber::InvalidCall);
  const auto nothing_shown = [] {
    return RuntimeError(ErrorNumber::InvalidCall, "no picture has been presented");
  };
  // A turn or zoom asked for and not drawn yet is what the viewer is about to show.
  if (scene_pending_ && shown()) window().flush();
  if (*format == PictureFormat::Png) {
    const Image& picture = picture_shown();
    if (picture.empty()) throw nothing_shown();
    write_whole_file(path, [&](std::FILE* stream) {
      std::string reason;
      if (!write_png(picture, stream, path, reason))
        throw RuntimeError(ErrorNumber::InvalidCall, reason);
    });
    return;
  }
  if (!shown() || !renderer_ || !renderer_->has_context()) throw nothing_shown();
  write_whole_file(path, [&](std::FILE* stream) { renderer_->write_vector(*format, stream); });
}

void ViewerForm::picture_rescaled() {
  guarded([&] {
    if (renderer_) renderer_->rescale();
  });
}

void ViewerForm::frame_presented(DrawingSurface& surface) {
  ++frames_;
  const bool capture = frame_capture() || capture_next_;
  unread_ = !capture && surface.keeps_last_frame();
  if (capture)
    surface.read_frame(last_picture_);
  else
    last_picture_.clear();
}

const Image& ViewerForm::picture_shown() {
  // A window keeps no copy of its frames unless captures are on: draw one more and keep it.
  if (last_picture().empty() && renderer_ && shown()) {
    capture_next_ = true;
    Form_Paint();
    capture_next_ = false;
  }
  return last_picture_;
}

const Image& ViewerForm::last_picture() {
  if (unread_) {
    unread_ = false;
    // Gone with the renderer or its surface: a closed viewer has no picture left to read.
    if (!renderer_ || !renderer_->read_kept_frame(last_picture_)) last_picture_.clear();
  }
  return last_picture_;
}

void ViewerForm::guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const RuntimeError& error) {
    show_message(run_time_error_message(error.code(), error.what()));
  } catch (const std::exception& error) {
    show_message(error.what());
  }
}

}  // namespace plot
