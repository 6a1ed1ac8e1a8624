// Keyboard use of a viewer window on the test X server: Tab walks the buttons in the form's
// order, Space presses the focused one, Escape does not close the viewer.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "core/form/fltk_form_window.h"
// After gtest and FLTK: Xlib's macros would break gtest's templates.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "test_display.h"

namespace plot {
namespace {

struct RecordedEvents : FormEvents {
  void Form_Paint() override {}
  void Form_Resize() override {}
  void Form_Unload(int16_t& cancel) override { cancel = 0; }
  void button_click(ButtonId button) override { clicks.push_back(button); }
  void frame_presented(DrawingSurface&) override {}
  std::vector<ButtonId> clicks;
};

using testing::pump;

void press(Display* x, KeySym key) {
  const KeyCode code = XKeysymToKeycode(x, key);
  XTestFakeKeyEvent(x, code, True, 0);
  XTestFakeKeyEvent(x, code, False, 0);
  XFlush(x);
  pump();
}

std::string focused_caption() {
  const Fl_Widget* focus = Fl::focus();
  return focus != nullptr && focus->label() != nullptr ? focus->label() : "";
}

TEST(ViewerKeyboard, TabWalksTheButtonsInTheFormsOrderAndSpacePressesOne) {
  const char* display = testing::use_test_display();
  if (display == nullptr) GTEST_SKIP() << "no test X server (scripts/test.sh starts one)";
  set_display_mode(DisplayMode::Window);
  ASSERT_TRUE(use_windows());
  Display* x = testing::connect_display(display);
  ASSERT_NE(x, nullptr);

  for (PluginKind kind : {PluginKind::Quadrel, PluginKind::Tormin}) {
    const PluginProfile& profile = profile_of(kind);
    SCOPED_TRACE(std::string(profile.deliverable));
    RecordedEvents events;
    FltkFormWindow window(profile, events);
    window.show();
    // Keyboard input goes to the window under the pointer when no window manager runs.
    XTestFakeMotionEvent(x, DefaultScreen(x), twips_to_pixels(profile.layout.initial_left) + 300,
                         twips_to_pixels(profile.layout.initial_top) + 300, 0);
    pump();
    EXPECT_EQ(focused_caption(), "Sortir");
    const auto& order = profile.layout.tab_order;
    for (std::size_t i = 1; i <= order.size(); ++i) {
      press(x, XK_Tab);
      EXPECT_EQ(focused_caption(), button_caption(order[i % order.size()]))
          << "after " << i << " tabs";
    }
    press(x, XK_Tab);  // the second button of the order
    press(x, XK_space);
    ASSERT_EQ(events.clicks.size(), 1u);
    EXPECT_EQ(events.clicks[0], order[1]);
    press(x, XK_Escape);
    EXPECT_TRUE(window.shown());
    window.unload();
    pump();
  }
  XCloseDisplay(x);
}

}  // namespace
}  // namespace plot
