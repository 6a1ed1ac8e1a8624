// Turning and zooming a viewer with the mouse, and saving its picture, off screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/form/viewer_form.h"
#include "core/platform/save_dialog.h"
#include "support/mark_renderer.h"
#include "support/message_log.h"

namespace plot {
namespace {

template <PluginKind Kind>
struct MarkViewer {
  bool mark_seen() { return testing::mark_seen(form.last_picture(), r); }
  testing::MessageLog log;
  ViewerForm form{profile_of(Kind)};
  testing::MarkRenderer<Kind>& r = form.parametres<testing::MarkRenderer<Kind>>([](auto&) {});
  FormWindow& window = form.window();
};

template <PluginKind Kind>
void drag_turns_the_mark(int32_t dx, int32_t dy) {
  SCOPED_TRACE(std::string(profile_of(Kind).deliverable));
  MarkViewer<Kind> v;
  const int64_t frames = v.form.frames();
  v.window.user_drag(dx, dy);
  v.window.flush();
  EXPECT_FLOAT_EQ(v.r.yAngle, 0.5f * static_cast<float>(dx));
  EXPECT_FLOAT_EQ(v.r.xAngle, 0.5f * static_cast<float>(dy));
  EXPECT_EQ(v.form.frames() - frames, 1);
  EXPECT_TRUE(v.mark_seen());
}

TEST(ViewerMouse, DragTurnsTheSceneHalfADegreeAPixelInOneFrame) {
  drag_turns_the_mark<PluginKind::Havrel>(40, 0);
  drag_turns_the_mark<PluginKind::Tormin>(0, 30);
  drag_turns_the_mark<PluginKind::Quadrel>(-20, 16);
}

// The mark is checked where it stays in view.
template <PluginKind Kind>
void wheel_zooms(double from, int32_t steps, double to, bool mark_in_view) {
  SCOPED_TRACE(std::string(profile_of(Kind).deliverable) + " " + std::to_string(steps));
  MarkViewer<Kind> v;
  v.r.m_fieldOfView = from;
  const int64_t frames = v.form.frames();
  v.window.user_wheel(steps);
  v.window.flush();
  EXPECT_DOUBLE_EQ(v.r.m_fieldOfView, to);
  EXPECT_EQ(v.form.frames() - frames, to != from ? 1 : 0);
  EXPECT_TRUE(!mark_in_view || v.mark_seen());
}

TEST(ViewerMouse, WheelZoomsByTheButtonStepAndStopsAtTheBound) {
  wheel_zooms<PluginKind::Havrel>(15, 1, 10, true);
  wheel_zooms<PluginKind::Havrel>(15, -3, 30, true);
  wheel_zooms<PluginKind::Quadrel>(25, 9, 5, false);
  wheel_zooms<PluginKind::Tormin>(10, 9, 2, false);
  wheel_zooms<PluginKind::Tormin>(178, -1, 178, false);
}

template <PluginKind Kind>
void ignores_the_mouse() {
  SCOPED_TRACE(std::string(profile_of(Kind).deliverable));
  MarkViewer<Kind> v;
  const double fov = v.r.m_fieldOfView;
  const int64_t frames = v.form.frames();
  v.window.user_drag(25, 10);
  v.window.user_wheel(1);
  v.window.flush();
  EXPECT_EQ(v.form.frames(), frames);
  EXPECT_EQ(v.r.yAngle, 0);
  EXPECT_EQ(v.r.m_fieldOfView, fov);
}

TEST(ViewerMouse, TwoDViewersIgnoreDragAndWheel) {
  ignores_the_mouse<PluginKind::biplot>();
  ignores_the_mouse<PluginKind::Pellin>();
  ignores_the_mouse<PluginKind::Vornc>();
}

TEST(ViewerMouse, ManyMotionsBetweenTwoFramesCostOneRecompile) {
  MarkViewer<PluginKind::Havrel> v;
  const int draws = v.r.draws;
  const int64_t frames = v.form.frames();
  for (int i = 0; i < 50; ++i) v.window.user_drag(1, 0);
  v.window.user_wheel(1);
  v.window.flush();
  v.window.flush();
  EXPECT_EQ(v.r.draws - draws, 1);
  EXPECT_EQ(v.form.frames() - frames, 1);
  EXPECT_FLOAT_EQ(v.r.yAngle, 25);
  EXPECT_TRUE(v.mark_seen());
}

TEST(ViewerMouse, RunTimeErrorDuringADragIsShownAndThePictureStays) {
  MarkViewer<PluginKind::Quadrel> v;
  const Image before = v.form.last_picture();
  v.r.fail_in_draw = true;
  for (int i = 0; i < 5; ++i) v.window.user_drag(3, 2);
  v.window.flush();
  ASSERT_EQ(v.log.messages.size(), 1u);
  EXPECT_EQ(v.log.messages[0], "Run-time error '9':\n\nSubscript out of range");
  EXPECT_EQ(v.form.last_picture().rgb, before.rgb);
}

TEST(ViewerMouse, SaveWritesNothingWhenCancelledAndSaysWhyWhenItCannotWrite) {
  MarkViewer<PluginKind::Pellin> v;
  std::string answer;
  set_save_dialog_sink([&](const SaveRequest&) { return answer; });
  v.form.save_picture();
  EXPECT_TRUE(v.log.messages.empty());
  answer = (std::filesystem::temp_directory_path() / "plot-no-such-folder/picture.png").string();
  v.form.save_picture();
  set_save_dialog_sink(nullptr);
  ASSERT_EQ(v.log.messages.size(), 1u);
  EXPECT_EQ(v.log.messages[0],
            "The picture was not saved: cannot write " + answer + ": No such file or directory");
}

}  // namespace
}  // namespace plot
