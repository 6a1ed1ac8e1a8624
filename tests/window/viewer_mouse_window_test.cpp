// A real pointer and keyboard over a viewer window on the test X server: a drag turns the
// scene, the wheel zooms, and Ctrl+S saves the picture shown.
#include <gtest/gtest.h>
#include <png.h>

#include <FL/Fl.H>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "core/form/viewer_form.h"
#include "core/platform/save_dialog.h"
#include "support/mark_renderer.h"
#include "support/message_log.h"
// After gtest and FLTK: Xlib's macros would break gtest's templates.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "test_display.h"

namespace plot {
namespace {

using Mark = testing::MarkRenderer<PluginKind::Havrel>;

using testing::pump;

Image read_png(const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  Image image;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return image;
  png.format = PNG_FORMAT_RGB;
  image.rgb.resize(PNG_IMAGE_SIZE(png));
  if (png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr) == 0) return Image{};
  image.width = static_cast<int32_t>(png.width);
  image.height = static_cast<int32_t>(png.height);
  return image;
}

TEST(ViewerMouseWindow, RealDragAndWheelTurnTheSceneAndCtrlSSavesThePictureShown) {
  const char* display = testing::use_test_display();
  if (display == nullptr) GTEST_SKIP() << "no test X server (scripts/test.sh starts one)";
  testing::MessageLog log;  // off screen by default: windows asked for after it
  set_display_mode(DisplayMode::Window);
  ASSERT_TRUE(use_windows());
  set_frame_capture(true);
  Display* x = testing::connect_display(display);
  ASSERT_NE(x, nullptr);

  ViewerForm form{profile_of(PluginKind::Havrel)};
  Mark& r = form.parametres<Mark>([](Mark&) {});
  pump();
  ASSERT_GE(form.frames(), 1);
  ASSERT_TRUE(testing::mark_seen(form.last_picture(), r));
  const Image first = form.last_picture();
  const int draws = r.draws;
  const int64_t frames = form.frames();

  // Without a window manager the client area sits at the form's designed place.
  const int left = twips_to_pixels(form.profile().layout.initial_left) + 200;
  const int top = twips_to_pixels(form.profile().layout.initial_top) + 200;
  // Each event reaches the server before the viewer pumps, as a hand's would; FLTK merges
  // the motions it finds queued together.
  auto send = [&] {
    XSync(x, False);
    pump();
  };
  XTestFakeMotionEvent(x, DefaultScreen(x), left, top, 0);
  send();
  XTestFakeButtonEvent(x, 1, True, 0);
  send();
  for (int step = 1; step <= 6; ++step) {
    XTestFakeMotionEvent(x, DefaultScreen(x), left + 10 * step, top + 3 * step, 0);
    if (step % 2 == 0) send();
  }
  XTestFakeButtonEvent(x, 1, False, 0);
  send();
  EXPECT_FLOAT_EQ(r.yAngle, 30);
  EXPECT_FLOAT_EQ(r.xAngle, 9);
  EXPECT_NE(form.last_picture().rgb, first.rgb);
  EXPECT_TRUE(testing::mark_seen(form.last_picture(), r));
  EXPECT_LE(r.draws - draws, form.frames() - frames) << "at most one recompile a frame";

  XTestFakeButtonEvent(x, 4, True, 0);  // one notch away from the user
  XTestFakeButtonEvent(x, 4, False, 0);
  send();
  EXPECT_DOUBLE_EQ(r.m_fieldOfView, 10);
  EXPECT_TRUE(testing::mark_seen(form.last_picture(), r));

  const auto path = std::filesystem::temp_directory_path() / "plot-viewer-ctrl-s.png";
  const KeyCode control = XKeysymToKeycode(x, XK_Control_L);
  const KeyCode s = XKeysymToKeycode(x, XK_s);
  // Ctrl+S, the save dialog answered with `path`.
  const auto save_with_ctrl_s = [&](const std::filesystem::path& where) {
    std::filesystem::remove(where);
    set_save_dialog_sink([&](const SaveRequest&) { return where.string(); });
    XTestFakeKeyEvent(x, control, True, 0);
    XTestFakeKeyEvent(x, s, True, 0);
    XTestFakeKeyEvent(x, s, False, 0);
    XTestFakeKeyEvent(x, control, False, 0);
    send();
    set_save_dialog_sink(nullptr);
  };
  save_with_ctrl_s(path);
  const Image saved = read_png(path.string());
  EXPECT_EQ(saved.width, form.last_picture().width);
  EXPECT_EQ(saved.height, form.last_picture().height);
  EXPECT_TRUE(saved.rgb == form.last_picture().rgb) << "the file holds the picture shown";

  // Without captures a window keeps no picture: Ctrl+S draws one more frame and saves that.
  set_frame_capture(false);
  save_with_ctrl_s(path);
  EXPECT_TRUE(testing::mark_seen(read_png(path.string()), r));
  // The window's scene drawn again as vector drawing.
  const auto svg = std::filesystem::path(path).replace_extension(".svg");
  save_with_ctrl_s(svg);
  std::ifstream drawing(svg);
  const std::string text{std::istreambuf_iterator<char>(drawing), {}};
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_NE(text.find("<circle fill=\"#ff0000\""), std::string::npos) << "the mark";
  EXPECT_TRUE(log.messages.empty());
  std::filesystem::remove(path);
  std::filesystem::remove(svg);

  form.window().user_close();
  pump();
  XCloseDisplay(x);
}

}  // namespace
}  // namespace plot
