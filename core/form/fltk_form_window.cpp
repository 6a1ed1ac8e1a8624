#define FL_INTERNALS
#include "core/form/fltk_form_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <string>
#include <vector>

#include "core/platform/device_context_table.h"
#include "core/platform/glx_window_surface.h"
#include "core/platform/plugin_entry.h"
#include "core/platform/window_placement.h"

namespace plot {
namespace {

// The client area: its own X window with the GL visual, so FLTK never makes a context.
class GlArea final : public Fl_Window {
 public:
  GlArea(int w, int h, FormEvents& events) : Fl_Window(0, 0, w, h), events_(events) { end(); }

  void show() override {
    XVisualInfo* visual = GlxWindowSurface::window_visual();
    if (!shown() && visual != nullptr) {
      Colormap colormap =
          XCreateColormap(fl_display, RootWindow(fl_display, fl_screen), visual->visual, AllocNone);
      Fl_X::make_xid(this, visual, colormap);
    } else {
      Fl_Window::show();
    }
  }

  // Window events come from whichever event loop runs: each enters the plug-in like a call.
  void draw() override {
    const PluginEntry entry;
    events_.Form_Paint();
  }

  void resize(int x, int y, int w, int h) override {
    const bool changed = w != this->w() || h != this->h();
    Fl_Window::resize(x, y, w, h);
    if (!changed || !notify_) return;
    const PluginEntry entry;
    events_.Form_Resize();
  }

  void set_notify(bool notify) { notify_ = notify; }

  // Left-button drags turn the scene and the wheel zooms; each motion reports the pixels
  // moved since the one before.
  int handle(int event) override {
    switch (event) {
      case FL_PUSH:
        if (Fl::event_button() != FL_LEFT_MOUSE) break;
        last_x_ = Fl::event_x();
        last_y_ = Fl::event_y();
        return 1;
      case FL_DRAG:
        if ((Fl::event_state() & FL_BUTTON1) == 0) break;
        drag(Fl::event_x() - last_x_, Fl::event_y() - last_y_);
        last_x_ = Fl::event_x();
        last_y_ = Fl::event_y();
        return 1;
      case FL_RELEASE:
        return 1;
      case FL_MOUSEWHEEL:
        if (Fl::event_dy() == 0) break;
        wheel(-Fl::event_dy());  // FLTK counts towards the user as positive
        return 1;
      default:
        break;
    }
    return Fl_Window::handle(event);
  }

 private:
  void drag(int dx, int dy) {
    const PluginEntry entry;
    events_.mouse_drag(dx, dy);
  }
  void wheel(int steps) {
    const PluginEntry entry;
    events_.mouse_wheel(steps);
  }

  FormEvents& events_;
  bool notify_ = false;
  int last_x_ = 0;
  int last_y_ = 0;
};

constexpr Fl_Font kCaptionFont = FL_HELVETICA;
constexpr Fl_Fontsize kCaptionSize = 12;
constexpr Fl_Boxtype kButtonBox = FL_UP_BOX;
constexpr int kCaptionMargin = 3;  // pixels between a caption and its button's frame

// The designed width, or wider where a caption would touch the frame in the face the toolkit
// draws it with. Buttons designed alike grow alike, so the two zoom buttons stay one column.
int fitted_button_width(ButtonId id) {
  const int32_t designed = button_size_twips(id).width;
  fl_font(kCaptionFont, kCaptionSize);
  int widest = 0;
  for (std::size_t k = 0; k < kButtonCount; ++k) {
    const auto other = static_cast<ButtonId>(k);
    if (button_size_twips(other).width != designed) continue;
    const std::string caption(button_caption(other));
    widest = std::max(widest, static_cast<int>(fl_width(caption.c_str()) + 0.5));
  }
  return std::max(twips_to_pixels(designed), widest + Fl::box_dw(kButtonBox) + 2 * kCaptionMargin);
}

// A push button in a child window of its own, so that it lies above the GL area.
class ButtonWindow final : public Fl_Window {
 public:
  ButtonWindow(const ButtonPlacement& placement, FormEvents& events)
      : Fl_Window(twips_to_pixels(placement.left), twips_to_pixels(placement.top),
                  fitted_button_width(placement.id),
                  twips_to_pixels(button_size_twips(placement.id).height)),
        id_(placement.id),
        events_(events),
        caption_(button_caption(placement.id)),
        button_(0, 0, w(), h(), caption_.c_str()) {
    button_.box(kButtonBox);
    button_.labelfont(kCaptionFont);
    button_.labelsize(kCaptionSize);
    button_.callback(&ButtonWindow::clicked, this);
    end();
  }

  ButtonId id() const { return id_; }
  Fl_Button& button() { return button_; }

 private:
  static void clicked(Fl_Widget*, void* self) {
    auto* window = static_cast<ButtonWindow*>(self);
    const PluginEntry entry;
    window->events_.button_click(window->id_);
  }

  ButtonId id_;
  FormEvents& events_;
  std::string caption_;
  Fl_Button button_;
};

}  // namespace

class FltkTopWindow final : public Fl_Window {
 public:
  FltkTopWindow(const PluginProfile& profile, FormEvents& events, FormWindow& owner)
      : Fl_Window(twips_to_pixels(profile.layout.initial_left),
                  twips_to_pixels(profile.layout.initial_top),
                  twips_to_pixels(profile.layout.client_width),
                  twips_to_pixels(profile.layout.client_height)),
        profile_(profile),
        events_(events),
        caption_(profile.caption),
        area_(new GlArea(w(), h(), events)) {
    label(caption_.c_str());
    xclass(kViewerWindowClass);
    for (const auto& placement : profile.layout.buttons) {
      auto* button = new ButtonWindow(placement, events);
      buttons_.push_back(button);
      min_width_ = std::max(min_width_, button->x() + button->w());
      min_height_ = std::max(min_height_, button->y() + button->h());
    }
    end();
    // Buttons keep their places; only the picture follows the window's size.
    resizable(nullptr);
    // The designed place is a preference, not the user's command: a window manager may
    // place the window as it places other programs'.
    force_position(0);
    declare_size_and_place();
    callback(&FltkTopWindow::close_box, &owner);
  }

  GlArea& area() { return *area_; }

  // Shows the window alone: the caller shows the picture and the buttons, after the hints.
  void show() override {
    if (shown()) {
      Fl_Window::show();
      return;
    }
    // A viewer opened beside another is placed by the window manager, not on top of it.
    place_hint_ = !another_viewer_shown();
    // Showing a child window asks the server questions, which would let a window manager
    // read the hints between the map request and the position.
    for (int k = 0; k < children(); ++k) child(k)->clear_visible();
    Fl_Window::show();
    declare_size_and_place();
  }

  // A size the program sets: FLTK then pins the window to it, so the hints are made again.
  void set_client_size(int w, int h) {
    size(w, h);
    declare_size_and_place();
  }

  void resize(int x, int y, int w, int h) override {
    Fl_Window::resize(x, y, w, h);
    area_->resize(0, 0, w, h);
  }

  int handle(int event) override {
    if (event == FL_KEYBOARD && Fl::event_key() == FL_Tab) {
      move_focus(Fl::event_state(FL_SHIFT) ? -1 : 1);
      return 1;
    }
    // Keys the focused button leaves come here, or as a shortcut when nothing has focus.
    if ((event == FL_KEYBOARD || event == FL_SHORTCUT) && Fl::event_state(FL_CTRL) &&
        Fl::event_key() == 's') {
      const PluginEntry entry;
      events_.save_picture();
      return 1;
    }
    return Fl_Window::handle(event);
  }

  void focus_first() {
    if (ButtonWindow* first = button(profile_.layout.tab_order.front()))
      first->button().take_focus();
  }

  // The buttons lie above the picture whatever order the X windows were made in.
  void raise_buttons() {
    for (ButtonWindow* b : buttons_) {
      if (!b->shown()) b->show();
      XRaiseWindow(fl_display, fl_xid(b));
    }
  }

  ButtonWindow* button(ButtonId id) {
    for (ButtonWindow* b : buttons_)
      if (b->id() == id) return b;
    return nullptr;
  }

 private:
  void move_focus(int direction) {
    const auto& order = profile_.layout.tab_order;
    const auto count = static_cast<int>(order.size());
    int current = 0;
    for (int k = 0; k < count; ++k)
      if (ButtonWindow* b = button(order[static_cast<std::size_t>(k)]);
          b && Fl::focus() == &b->button())
        current = k;
    const int next = (current + direction + count) % count;
    if (ButtonWindow* b = button(order[static_cast<std::size_t>(next)])) b->button().take_focus();
  }

  // The user may shrink the window as far as every button stays inside it; the position,
  // when given, is the program's, which a window manager is free to overrule.
  void declare_size_and_place() {
    size_range(min_width_, min_height_, 0, 0);
    if (shown() && place_hint_)
      hint_program_position(fl_display, fl_xid(this), x(), y(), min_width_, min_height_);
  }

  // Another window of this process, or a viewer a window manager shows for another one.
  bool another_viewer_shown() {
    for (Fl_Window* w = Fl::first_window(); w != nullptr; w = Fl::next_window(w))
      if (w != this && w->parent() == nullptr && w->visible()) return true;
    return viewer_managed_elsewhere(fl_display, shown() ? fl_xid(this) : 0);
  }

  static void close_box(Fl_Widget*, void* owner) {
    // Escape does not close a viewer; only the close box does.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    const PluginEntry entry;
    static_cast<FormWindow*>(owner)->user_close();
  }

  const PluginProfile& profile_;
  FormEvents& events_;
  std::string caption_;
  GlArea* area_;
  std::vector<ButtonWindow*> buttons_;
  int min_width_ = 1;
  int min_height_ = 1;
  bool place_hint_ = true;
};

FltkFormWindow::FltkFormWindow(const PluginProfile& profile, FormEvents& events)
    : profile_(profile), events_(events) {}

FltkFormWindow::~FltkFormWindow() {
  unload();
  // The FLTK objects may still be on the event stack of a callback; let FLTK delete them.
  if (top_) Fl::delete_widget(top_.release());
}

void FltkFormWindow::create_native() {
  if (!top_) top_ = std::make_unique<FltkTopWindow>(profile_, events_, *this);
  if (hdc_ != 0) return;
  top_->set_client_size(twips_to_pixels(profile_.layout.client_width),
                        twips_to_pixels(profile_.layout.client_height));
  top_->area().set_notify(false);
  top_->show();
  top_->area().show();
  top_->raise_buttons();
  GlArea* area = &top_->area();
  auto surface = std::make_unique<GlxWindowSurface>(
      [area]() -> ::Window { return area->shown() ? fl_xid(area) : 0; },
      [area](int32_t& w, int32_t& h) {
        w = area->w();
        h = area->h();
      });
  surface->set_present_observer(
      [this](DrawingSurface& presented) { events_.frame_presented(presented); });
  surface_ = std::move(surface);
  hwnd_ = new_window_handle();
  hdc_ = register_device_context(surface_.get());
  XSync(fl_display, False);
}

int32_t FltkFormWindow::hwnd() {
  create_native();
  return hwnd_;
}

int32_t FltkFormWindow::hdc() {
  create_native();
  return hdc_;
}

void FltkFormWindow::show() {
  create_native();
  if (shown_) return;
  shown_ = true;
  top_->focus_first();
  // FLTK sends no resize before the first paint; the viewport must be set first.
  events_.Form_Resize();
  top_->area().set_notify(true);
  top_->area().redraw();
}

void FltkFormWindow::unload() {
  shown_ = false;
  if (hdc_ == 0) return;
  unregister_device_context(hdc_);
  hdc_ = 0;
  hwnd_ = 0;
  top_->area().set_notify(false);
  top_->area().hide();
  top_->hide();
  surface_.reset();
}

int32_t FltkFormWindow::client_width() const {
  return top_ ? top_->area().w() : 0;
}
int32_t FltkFormWindow::client_height() const {
  return top_ ? top_->area().h() : 0;
}

void FltkFormWindow::user_resize(int32_t width, int32_t height) {
  if (shown_) top_->set_client_size(width, height);
}

void FltkFormWindow::user_click(ButtonId button) {
  if (!shown_) return;
  if (auto* b = top_->button(button)) b->button().do_callback();
}

void FltkFormWindow::user_close() {
  if (!shown_) return;
  int16_t cancel = 0;
  events_.Form_Unload(cancel);
  if (cancel == 0) unload();
}

void FltkFormWindow::user_drag(int32_t dx, int32_t dy) {
  if (shown_) events_.mouse_drag(dx, dy);
}

void FltkFormWindow::user_wheel(int32_t steps) {
  if (shown_) events_.mouse_wheel(steps);
}

void FltkFormWindow::request_frame() {
  if (shown_) top_->area().redraw();
}

void FltkFormWindow::flush() {
  Fl::flush();
}

}  // namespace plot
