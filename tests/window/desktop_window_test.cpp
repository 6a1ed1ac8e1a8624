// A viewer as one window among others on the test X server: the size hints it gives a window
// manager, and Ctrl+S with the real save dialog and message box, answered through XTest.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>

#include "core/form/viewer_form.h"
#include "core/platform/save_dialog.h"
#include "support/mark_renderer.h"
#include "support/message_log.h"
// After gtest and FLTK: Xlib's macros would break gtest's templates.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "test_display.h"

namespace plot {
namespace {

using testing::pump;

template <PluginKind Kind>
void show(ViewerForm& form) {
  form.parametres<testing::MarkRenderer<Kind>>([](auto&) {});
}

// The viewable top-level window titled `title`, the topmost if several; 0 when none. The
// server is held meanwhile: a window the dialogs drop would go between its listing and its name.
::Window top_level(Display* x, const char* title) {
  ::Window root = 0, parent = 0, *children = nullptr, found = 0;
  unsigned count = 0;
  XGrabServer(x);
  XQueryTree(x, DefaultRootWindow(x), &root, &parent, &children, &count);
  for (unsigned k = count; k-- > 0 && found == 0;) {
    char* name = nullptr;
    XWindowAttributes attributes{};
    if (XFetchName(x, children[k], &name) != 0 && std::strcmp(name, title) == 0 &&
        XGetWindowAttributes(x, children[k], &attributes) != 0 &&
        attributes.map_state == IsViewable)
      found = children[k];
    XFree(name);
  }
  XUngrabServer(x);
  XFlush(x);
  XFree(children);
  return found;
}

void press(Display* x, std::initializer_list<KeySym> chord) {
  for (KeySym key : chord) XTestFakeKeyEvent(x, XKeysymToKeycode(x, key), True, 0);
  for (KeySym key : chord) XTestFakeKeyEvent(x, XKeysymToKeycode(x, key), False, 0);
  XFlush(x);
}

void point_into(Display* x, ::Window window) {
  XWindowAttributes a{};
  XGetWindowAttributes(x, window, &a);
  XTestFakeMotionEvent(x, DefaultScreen(x), a.x + a.width / 2, a.y + a.height / 2, 0);
}

// Whether the keyboard's focus is in `window` or one of its children (or follows the
// pointer, which the caller has put there).
bool has_focus(Display* x, ::Window window) {
  ::Window focus = 0;
  int revert = 0;
  XGetInputFocus(x, &focus, &revert);
  if (focus == PointerRoot) return true;
  while (focus != 0 && focus != PointerRoot && focus != window) {
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (XQueryTree(x, focus, &root, &parent, &children, &count) == 0) return false;
    XFree(children);
    focus = parent == root ? 0 : parent;
  }
  return focus == window;
}

// The window manager's close, as it asks a client.
void ask_to_close(Display* x, ::Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
  XSendEvent(x, window, False, NoEventMask, &event);
  XFlush(x);
}

bool wait_until(const std::function<bool()>& ready) {
  for (int i = 0; i < 500 && !ready(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return ready();
}

void close_modal(void*) {
  if (Fl_Window* modal = Fl::modal()) modal->hide();
}

class DesktopWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* display = testing::use_test_display();
    if (display == nullptr) GTEST_SKIP() << "no test X server (scripts/test.sh starts one)";
    set_display_mode(DisplayMode::Window);  // after the log, which asks for off screen
    x_ = testing::connect_display(display);
    ASSERT_NE(x_, nullptr);
  }
  void TearDown() override {
    if (x_ != nullptr) XCloseDisplay(x_);
  }

  // Ctrl+S over the viewer; `user` answers the dialog from a thread of its own, as the
  // dialog holds this one until it closes. A dialog still open after the answer is cancelled,
  // a toolkit's own dialog or box closed.
  void save_with(const std::function<void(Display*)>& user) {
    point_into(x_, top_level(x_, "Havrel"));
    std::atomic<bool> done = false;
    std::thread answering([&] {
      Display* x = testing::connect_display(std::getenv("DISPLAY"));
      const auto dialog_open = [x] { return top_level(x, "Save picture") != 0; };
      if (wait_until(dialog_open)) {
        const ::Window dialog = top_level(x, "Save picture");
        point_into(x, dialog);
        // A loaded machine maps the dialog well before its entry takes keys.
        wait_until([&] { return has_focus(x, dialog); });
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        user(x);
        if (!wait_until([&] { return !dialog_open(); })) press(x, {XK_Escape});
      }
      XCloseDisplay(x);
      done = true;
    });
    Fl::add_timeout(20, close_modal);
    press(x_, {XK_Control_L, XK_s});
    while (!done) pump();
    answering.join();
    pump();
    Fl::remove_timeout(close_modal);
  }

  testing::MessageLog log_;
  Display* x_ = nullptr;
};

TEST_F(DesktopWindow, GivesItsPlaceAsTheProgramsAndAMinimumSizeThatKeepsTheButtonsInside) {
  struct Expected {
    PluginKind kind;
    void (*show)(ViewerForm&);
    const char* caption;
    int min_width, min_height;  // where Sortir ends at the right, the lowest buttons below
  };
  const Expected viewers[] = {
      {PluginKind::Havrel, &show<PluginKind::Havrel>, "Havrel", 913, 713},
      {PluginKind::Tormin, &show<PluginKind::Tormin>, "alr", 913, 721},
      {PluginKind::Vorn, &show<PluginKind::Vorn>, "VORN_Predictive", 905, 705}};
  ViewerForm second{profile_of(PluginKind::Quadrel)};
  for (const Expected& e : viewers) {
    SCOPED_TRACE(e.caption);
    ViewerForm form{profile_of(e.kind)};
    e.show(form);
    form.window().user_resize(600, 500);  // a size the host sets must not pin the window
    pump();
    XSizeHints hints{};
    long supplied = 0;
    const ::Window first = top_level(x_, e.caption);
    ASSERT_NE(first, 0u);
    ASSERT_NE(XGetWMNormalHints(x_, first, &hints, &supplied), 0);
    EXPECT_EQ(hints.flags & (PPosition | USPosition | PMaxSize), PPosition);
    EXPECT_EQ(hints.min_width, e.min_width);
    EXPECT_EQ(hints.min_height, e.min_height);
    // A second viewer on screen is left to the window manager to place.
    show<PluginKind::Quadrel>(second);
    pump();
    const ::Window other = top_level(x_, "ternary");
    ASSERT_NE(other, 0u);
    ASSERT_NE(XGetWMNormalHints(x_, other, &hints, &supplied), 0);
    EXPECT_EQ(hints.flags & (PPosition | USPosition), 0);
    second.window().unload();
    form.window().user_close();
  }
}

TEST_F(DesktopWindow, CtrlSProposesAFreeNameInTheCurrentFolderAndTakesABareNameThere) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::string folder = (std::filesystem::temp_directory_path() / "plot-save-XXXXXX").string();
  ASSERT_NE(mkdtemp(folder.data()), nullptr);
  std::filesystem::current_path(folder);
  ViewerForm form{profile_of(PluginKind::Havrel)};
  show<PluginKind::Havrel>(form);
  pump();
  save_with([](Display* x) { press(x, {XK_Return}); });
  EXPECT_TRUE(std::filesystem::exists("Havrel-1.png"));
  // The name typed over the proposal's: the dialogs show it alone or after the folder.
  save_with([](Display* x) {
    press(x, {XK_End});
    for (std::size_t k = 0; k < std::string("Havrel-2.png").size(); ++k) press(x, {XK_BackSpace});
    for (KeySym key : {XK_p, XK_l, XK_o, XK_t, XK_Return}) press(x, {key});
  });
  EXPECT_TRUE(std::filesystem::exists("plot.png"));
  // The window manager's close waits while the dialog is open, and works at once after it.
  const ::Window viewer = top_level(x_, "Havrel");
  save_with([viewer](Display* x) {
    ask_to_close(x, viewer);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    press(x, {XK_Escape});
  });
  EXPECT_TRUE(form.shown());
  ask_to_close(x_, viewer);
  pump();
  EXPECT_FALSE(form.shown());
  std::filesystem::current_path(before);
  std::filesystem::remove_all(folder);
  EXPECT_TRUE(log_.messages.empty());
}

TEST_F(DesktopWindow, AFailedSaveIsShownInABoxWhateverSinkTheHostSet) {
  ViewerForm form{profile_of(PluginKind::Havrel)};
  show<PluginKind::Havrel>(form);
  pump();
  set_save_dialog_sink([](const SaveRequest&) { return std::string("/proc/x.png"); });
  // The box holds this thread until OK: what it says is read, then Return pressed on it.
  static std::string said;
  static Display* x = x_;
  Fl::add_timeout(0.1, [](void*) {
    Fl_Window* box = Fl::modal();
    if (box == nullptr) return Fl::repeat_timeout(0.1, nullptr);  // not open yet
    for (int k = 0; k < box->children(); ++k)
      if (box->child(k)->label() != nullptr) said += std::string(box->child(k)->label()) + "|";
    XTestFakeMotionEvent(x, DefaultScreen(x), box->x() + box->w() / 2, box->y() + box->h() / 2, 0);
    press(x, {XK_Return});
  });
  point_into(x_, top_level(x_, "Havrel"));
  press(x_, {XK_Control_L, XK_s});
  for (int i = 0; i < 20 && said.empty(); ++i) pump();
  set_save_dialog_sink(nullptr);
  EXPECT_NE(
      said.find("The picture was not saved: cannot write /proc/x.png: No such file or directory|"),
      std::string::npos)
      << said;
  EXPECT_NE(said.find("OK|"), std::string::npos) << said;
  EXPECT_TRUE(log_.messages.empty()) << "the host's sink is not where the user looks";
  form.window().user_close();
}

}  // namespace
}  // namespace plot
