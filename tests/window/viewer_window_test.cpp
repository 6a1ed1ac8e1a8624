// Real viewer windows under the test X server: shown through the C interface, clicked with
// XTest like a user's pointer, and read back from the screen.
#include <gtest/gtest.h>
// After gtest: Xlib's macros would break its templates.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "exchange_folder.h"
#include "plot_plugin.h"
#include "plot_vorn_records.h"
#include "plot_vornc_records.h"
#include "support/host_call.h"
#include "support/loaded_plugin.h"
#include "test_display.h"

namespace {

using plot::testing::names_argument;

// A plug-in whose viewers open as windows, their frames captured unless asked otherwise; any
// message it shows fails the test.
struct Api : plot::testing::LoadedPlugin {
  explicit Api(const char* plugin, bool capture = true) : LoadedPlugin(plugin, 1) {
    if (handle == nullptr) return;
    fail_on_messages();
    set_frame_capture(capture ? 1 : 0);
  }

  void mostrar(const char* data_class, plot_variant* arguments = nullptr, int32_t count = 0) {
    plot_object* data = nullptr;
    plot_error error{};
    ASSERT_EQ(create(data_class, &data, &error), 0);
    ASSERT_EQ(call(data, "mostrar", arguments, count, nullptr, &error), 0) << error.text;
    release(data);
  }
};

class ViewerWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* display = plot::testing::use_test_display();
    if (display == nullptr) GTEST_SKIP() << "no test X server (scripts/test.sh starts one)";
    x_ = plot::testing::connect_display(display);
    ASSERT_NE(x_, nullptr);
  }
  void TearDown() override {
    if (x_ != nullptr) XCloseDisplay(x_);
  }

  // Pumps the viewer's events until `done` or a few seconds have passed.
  static bool pump_until(Api& api, const std::function<bool()>& done) {
    for (int i = 0; i < 300 && !done(); ++i) api.ui_wait(0.01);
    return done();
  }

  // Vorn's viewer on show with no region: the outline, names and caption.
  bool show_empty_vorn(Api& api) {
    api.mostrar("CDades_vorn", empty_vorn_, 2);
    return pump_until(api, [&] { return api.viewer_frames() >= 1; });
  }

  void click(Api& api, int x, int y) {
    XTestFakeMotionEvent(x_, DefaultScreen(x_), x, y, 0);
    XTestFakeButtonEvent(x_, 1, True, 0);
    XTestFakeButtonEvent(x_, 1, False, 0);
    XFlush(x_);
    for (int i = 0; i < 20; ++i) api.ui_wait(0.01);
  }

  // The screen pixel at (x, y) as 0xRRGGBB.
  unsigned long screen_pixel(int x, int y) {
    XImage* image = XGetImage(x_, DefaultRootWindow(x_), x, y, 1, 1, AllPlanes, ZPixmap);
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
  }

  Display* x_ = nullptr;
  Vector_VORN empty_regions_{};
  std::vector<plot_string> no_names_;
  plot_variant empty_vorn_[2] = {
      plot_variant_record(PLOT_VECTOR_VORN_NAME, &empty_regions_, sizeof(Vector_VORN)),
      names_argument(1, 3, no_names_)};
};

// Without a window manager the client area sits at its designed position: 630, 345 twips.
constexpr int kLeft = 42;
constexpr int kTop = 23;

TEST_F(ViewerWindow, HavrelShowsItsButtonsAndTurnsOnOneClick) {
  Api api("Havrel");
  ASSERT_NE(api.handle, nullptr);
  {
    // The host's exchange files, in a profile folder of the test's own.
    const PrivateProfile profile;
    write_exchange_file(profile, plot_havrel_options,
                        {3, 1, true, 1, true, true, false, 1, "PC1", "PC2", "PC3"});
    write_exchange_file(profile, plot_havrel_proportions, {0.6});
    write_exchange_file(profile, plot_havrel_rays, {0.5, 0.5, 0.2, "Ca"});
    ExchangeWriter points(profile, plot_havrel_points);
    points.row({-0.5, -0.3, 0.1, 2, 0}).row({0.2, -0.6, 0, 3, 1}).close();
    api.mostrar("CDades_Havrel");
    EXPECT_TRUE(std::filesystem::is_empty(profile.folder()));
  }
  ASSERT_TRUE(pump_until(api, [&] { return api.viewer_frames() >= 1; }));
  EXPECT_EQ(api.viewer_shown(), 1);
  for (int i = 0; i < 20; ++i) api.ui_wait(0.01);
  // The picture (white) fills the client area; the buttons lie on top of it, grey.
  EXPECT_EQ(screen_pixel(kLeft + 300, kTop + 300), 0xFFFFFFu);
  const int rot_yy_x = kLeft + 8160 / 15 + 5;
  const int rot_yy_y = kTop + 9600 / 15 + 5;
  EXPECT_NE(screen_pixel(rot_yy_x, rot_yy_y), 0xFFFFFFu);
  const int64_t before = api.viewer_frames();
  click(api, rot_yy_x + 30, rot_yy_y + 10);
  EXPECT_EQ(api.viewer_frames() - before, 1);
  // Sortir closes the window.
  click(api, kLeft + 12240 / 15 + 40, kTop + 9720 / 15 + 20);
  EXPECT_TRUE(pump_until(api, [&] { return api.viewer_shown() == 0; }));
}

TEST_F(ViewerWindow, TwoViewersOpenAtOnceEachDrawTheirOwnPicture) {
  Api first("Vornc");
  Api second("Vorn", false);
  ASSERT_NE(first.handle, nullptr);
  ASSERT_NE(second.handle, nullptr);
  // Empty regions: the outline, names and caption.
  auto groups = std::make_unique<Vector_Punts_VORN_C>();
  auto regions = std::make_unique<Vector_VORN>();
  std::vector<plot_string> names;
  plot_variant vornc[2] = {
      plot_variant_record(PLOT_VECTOR_PUNTS_VORN_C_NAME, groups.get(), sizeof(Vector_Punts_VORN_C)),
      names_argument(1, 3, names)};
  plot_variant vorn[2] = {
      plot_variant_record(PLOT_VECTOR_VORN_NAME, regions.get(), sizeof(Vector_VORN)), vornc[1]};
  first.mostrar("CDades_VORN_C", vornc, 2);
  second.mostrar("CDades_vorn", vorn, 2);
  ASSERT_TRUE(
      pump_until(first, [&] { return first.viewer_frames() >= 1 && second.viewer_frames() >= 1; }));
  int32_t w = 0, h = 0;
  std::vector<uint8_t> rgb(static_cast<std::size_t>(first.viewer_picture(nullptr, 0, &w, &h)));
  first.viewer_picture(rgb.data(), static_cast<int32_t>(rgb.size()), &w, &h);
  EXPECT_EQ(w, 918);
  EXPECT_EQ(h, 734);
  // A window's frame is gone after its swap: without capture, asking draws one more and keeps it.
  const int64_t frames = second.viewer_frames();
  EXPECT_EQ(second.viewer_picture(nullptr, 0, &w, &h), 918 * 734 * 3);
  EXPECT_EQ(second.viewer_frames(), frames + 1);
  // Both close through their own Sortir (the second window lies above the first).
  click(second, kLeft + 12120 / 15 + 40, kTop + 9960 / 15 + 20);
  EXPECT_TRUE(pump_until(second, [&] { return second.viewer_shown() == 0; }));
  click(first, kLeft + 12240 / 15 + 40, kTop + 9960 / 15 + 20);
  EXPECT_TRUE(pump_until(first, [&] { return first.viewer_shown() == 0; }));
}

// Not a number waits for nothing: pending events are handled and the call returns. An alarm
// interrupts a wait that would otherwise last until the next event of an idle window.
TEST_F(ViewerWindow, WaitOfNotANumberReturnsAtOnce) {
  Api api("Vorn");
  ASSERT_NE(api.handle, nullptr);
  ASSERT_TRUE(show_empty_vorn(api));
  for (int i = 0; i < 20; ++i) api.ui_wait(0.01);
  static volatile sig_atomic_t alarmed = 0;
  struct sigaction on_alarm {};
  on_alarm.sa_handler = [](int) { alarmed = 1; };
  struct sigaction previous {};
  sigaction(SIGALRM, &on_alarm, &previous);
  alarm(3);
  api.ui_wait(std::nan(""));
  alarm(0);
  sigaction(SIGALRM, &previous, nullptr);
  EXPECT_EQ(alarmed, 0) << "the wait lasted until the alarm";
  plot_error error{};
  EXPECT_EQ(api.viewer_close(&error), 0);
}

// The windows stay with the thread that opened them: every window call from another thread
// is refused with 5 and its reason, its picture is none and its event loop returns at once.
TEST_F(ViewerWindow, WindowCallsFromAnotherThreadAreRefused) {
  Api api("Vorn");
  ASSERT_NE(api.handle, nullptr);
  ASSERT_TRUE(show_empty_vorn(api));
  plot_object* data = nullptr;
  plot_error error{};
  ASSERT_EQ(api.create("CDades_vorn", &data, &error), 0);

  const std::vector<std::function<int32_t(plot_error*)>> window_calls = {
      [&](plot_error* e) { return api.call(data, "mostrar", empty_vorn_, 2, nullptr, e); },
      [&](plot_error* e) { return api.viewer_click("Sortir", e); },
      [&](plot_error* e) { return api.viewer_resize(300, 200, e); },
      [&](plot_error* e) { return api.viewer_drag(5, 5, e); },
      [&](plot_error* e) { return api.viewer_wheel(1, e); },
      [&](plot_error* e) { return api.viewer_write_png("never-written.png", e); },
      [&](plot_error* e) { return api.viewer_close(e); },
  };
  std::thread([&] {
    for (std::size_t i = 0; i < window_calls.size(); ++i) {
      plot_error refused{};
      EXPECT_EQ(window_calls[i](&refused), 5) << "call " << i;
      EXPECT_STREQ(refused.text, "Viewer windows belong to another thread") << "call " << i;
    }
    int32_t width = -1;
    EXPECT_EQ(api.viewer_picture(nullptr, 0, &width, nullptr), 0);
    EXPECT_EQ(width, 0);
    api.ui_wait(-1);  // returns at once: the open window is not this thread's to wait for
    EXPECT_EQ(api.viewer_shown(), 1);
  }).join();

  EXPECT_FALSE(std::filesystem::exists("never-written.png"));
  EXPECT_EQ(api.viewer_close(&error), 0) << error.text;
  EXPECT_EQ(api.viewer_shown(), 0);
  api.release(data);
}

}  // namespace
