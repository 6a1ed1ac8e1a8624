// Turning and zooming a viewer with the mouse, and saving its picture, off screen.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <string>

#include "core/form/viewer_form.h"
#include "core/platform/save_dialog.h"
#include "support/mark_renderer.h"
#include "support/message_log.h"

namespace plot {
namespace {

using testing::MarkRenderer;
using testing::MessageLog;

// A viewer of any plug-in showing the mark; a kind chosen at run time, for tables.
struct MarkViewer {
  explicit MarkViewer(PluginKind kind) : form(profile_of(kind)) {
    switch (kind) {
#define PLOT_SHOW(k)                                                                       \
  case PluginKind::k:                                                                      \
    renderer = &form.parametres<MarkRenderer<PluginKind::k>>([](auto&) {});                \
    draws = [this] { return static_cast<MarkRenderer<PluginKind::k>*>(renderer)->draws; }; \
    break;
      PLOT_SHOW(biplot)
      PLOT_SHOW(Havrel)
      PLOT_SHOW(Pellin) PLOT_SHOW(Tormin) PLOT_SHOW(ternary) PLOT_SHOW(Quadrel) PLOT_SHOW(Vorn)
          PLOT_SHOW(Vornc)
#undef PLOT_SHOW
    }
  }

  bool mark_seen() const {
    return testing::mark_seen(form.last_picture(), *renderer);
  }

  MessageLog log;
  ViewerForm form;
  Renderer* renderer = nullptr;
  std::function<int()> draws;
};

TEST(ViewerMouse, DragTurnsTheSceneHalfADegreeAPixelInOneFrame) {
  struct Case {
    PluginKind kind;
    int32_t dx, dy;
  };
  for (const Case c : {Case{.kind = PluginKind::Havrel, .dx = 40, .dy = 0},
                       Case{.kind = PluginKind::Tormin, .dx = 0, .dy = 30},
                       Case{.kind = PluginKind::Quadrel, .dx = -20, .dy = 16}}) {
    SCOPED_TRACE(std::string(profile_of(c.kind).deliverable));
    MarkViewer v(c.kind);
    ASSERT_TRUE(v.mark_seen());
    const int64_t frames = v.form.frames();
    v.form.window().user_drag(c.dx, c.dy);
    v.form.window().flush();
    EXPECT_FLOAT_EQ(v.renderer->yAngle, 0.5f * static_cast<float>(c.dx));
    EXPECT_FLOAT_EQ(v.renderer->xAngle, 0.5f * static_cast<float>(c.dy));
    EXPECT_EQ(v.form.frames() - frames, 1);
    EXPECT_TRUE(v.mark_seen());
  }
}

TEST(ViewerMouse, WheelZoomsByTheButtonStepAndStopsAtTheBound) {
  struct Case {
    PluginKind kind;
    double from;
    int32_t steps;
    double to;
    bool mark_in_view;
  };
  constexpr PluginKind H = PluginKind::Havrel, Q = PluginKind::Quadrel, T = PluginKind::Tormin;
  for (const Case c :
       {Case{.kind = H, .from = 15, .steps = 1, .to = 10, .mark_in_view = true},
        Case{.kind = H, .from = 15, .steps = -3, .to = 30, .mark_in_view = true},
        Case{.kind = Q, .from = 25, .steps = 9, .to = 5, .mark_in_view = false},
        Case{.kind = T, .from = 10, .steps = 9, .to = 2, .mark_in_view = false},
        Case{.kind = T, .from = 178, .steps = -1, .to = 178, .mark_in_view = false}}) {
    SCOPED_TRACE(std::string(profile_of(c.kind).deliverable) + " " + std::to_string(c.steps));
    MarkViewer v(c.kind);
    v.renderer->m_fieldOfView = c.from;
    const int64_t frames = v.form.frames();
    v.form.window().user_wheel(c.steps);
    v.form.window().flush();
    EXPECT_DOUBLE_EQ(v.renderer->m_fieldOfView, c.to);
    EXPECT_EQ(v.form.frames() - frames, c.to != c.from ? 1 : 0);
    if (c.mark_in_view) {
      EXPECT_TRUE(v.mark_seen()) << "the projection follows the field of view";
    }
  }
}

TEST(ViewerMouse, TwoDViewersIgnoreDragAndWheel) {
  for (PluginKind kind : {PluginKind::biplot, PluginKind::Pellin, PluginKind::ternary,
                          PluginKind::Vorn, PluginKind::Vornc}) {
    SCOPED_TRACE(std::string(profile_of(kind).deliverable));
    MarkViewer v(kind);
    const double fov = v.renderer->m_fieldOfView;
    const int64_t frames = v.form.frames();
    v.form.window().user_drag(25, 10);
    v.form.window().user_wheel(1);
    v.form.window().flush();
    EXPECT_EQ(v.form.frames(), frames);
    EXPECT_EQ(v.renderer->yAngle, 0);
    EXPECT_EQ(v.renderer->m_fieldOfView, fov);
  }
}

TEST(ViewerMouse, ManyMotionsBetweenTwoFramesCostOneRecompile) {
  MarkViewer v(PluginKind::Havrel);
  const int draws = v.draws();
  const int64_t frames = v.form.frames();
  for (int i = 0; i < 50; ++i) v.form.window().user_drag(1, 0);
  v.form.window().user_wheel(1);
  v.form.window().flush();
  v.form.window().flush();
  EXPECT_EQ(v.draws() - draws, 1);
  EXPECT_EQ(v.form.frames() - frames, 1);
  EXPECT_FLOAT_EQ(v.renderer->yAngle, 25);
  EXPECT_TRUE(v.mark_seen());
}

TEST(ViewerMouse, RunTimeErrorDuringADragIsShownAndThePictureStays) {
  MarkViewer v(PluginKind::Quadrel);
  const Image before = v.form.last_picture();
  static_cast<MarkRenderer<PluginKind::Quadrel>*>(v.renderer)->fail_in_draw = true;
  for (int i = 0; i < 5; ++i) v.form.window().user_drag(3, 2);
  v.form.window().flush();
  ASSERT_EQ(v.log.messages.size(), 1u);
  EXPECT_EQ(v.log.messages[0], "Run-time error '9':\n\nSubscript out of range");
  EXPECT_EQ(v.form.last_picture().rgb, before.rgb);
}

TEST(ViewerMouse, SaveWritesNothingWhenCancelledAndSaysWhyWhenItCannotWrite) {
  MarkViewer v(PluginKind::Pellin);
  const auto folder = std::filesystem::temp_directory_path() / "plot-viewer-mouse-no-such-folder";
  std::string answer;
  set_save_dialog_sink([&] { return answer; });
  v.form.save_picture();
  EXPECT_TRUE(v.log.messages.empty());
  answer = (folder / "picture.png").string();
  v.form.save_picture();
  set_save_dialog_sink(nullptr);
  ASSERT_EQ(v.log.messages.size(), 1u);
  EXPECT_EQ(v.log.messages[0], "The picture was not saved: cannot open " + answer + " for writing");
}

}  // namespace
}  // namespace plot
