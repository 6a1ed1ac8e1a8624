#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

#include "core/errors/runtime_error.h"
#include "core/form/viewer_form.h"
#include "core/platform/testing_hooks.h"
#include "support/mark_renderer.h"
#include "support/message_log.h"

namespace plot {
namespace {

using testing::MessageLog;

template <PluginKind Kind>
using BareRenderer = testing::CountingRenderer<Kind>;

template <PluginKind Kind>
struct Viewer {
  MessageLog log;
  ViewerForm form{profile_of(Kind)};
  BareRenderer<Kind>& show() {
    return form.parametres<BareRenderer<Kind>>([](BareRenderer<Kind>&) {});
  }
  BareRenderer<Kind>& renderer() { return *static_cast<BareRenderer<Kind>*>(form.renderer()); }
};

std::array<uint8_t, 3> centre_pixel(const Image& image) {
  const uint8_t* p = image.pixel(image.width / 2, image.height / 2);
  return {p[0], p[1], p[2]};
}

TEST(ViewerForm, ShowsWithResizeThenPaintAndTheDesignedClientSize) {
  Viewer<PluginKind::Pellin> v;
  auto& r = v.show();
  EXPECT_TRUE(v.form.shown());
  EXPECT_TRUE(r.has_context());
  EXPECT_EQ(v.form.last_picture().width, 918);
  EXPECT_EQ(v.form.last_picture().height, 734);
  EXPECT_DOUBLE_EQ(r.aspect_ratio(), 918.0 / 734.0);
  EXPECT_DOUBLE_EQ(r.m_fieldOfView, 15);
  EXPECT_EQ(r.colorp, 4);
  EXPECT_GE(v.form.frames(), 1);
  EXPECT_TRUE(v.log.messages.empty());
}

TEST(ViewerForm, ResizeDrawsExactlyOnceWhetherItGrowsOrNot) {
  Viewer<PluginKind::biplot> v;
  v.show();
  struct Step {
    int32_t w, h;
  };
  // Shrink both, shrink one, same size, grow one, grow one while the other shrinks.
  for (const Step s :
       {Step{800, 600}, Step{800, 500}, Step{800, 500}, Step{900, 500}, Step{700, 650}}) {
    const int64_t before = v.form.frames();
    v.form.window().user_resize(s.w, s.h);
    EXPECT_EQ(v.form.frames() - before, 1) << s.w << " x " << s.h;
    EXPECT_EQ(v.form.last_picture().width, s.w);
  }
}

TEST(ViewerForm, MinimisedWindowGivesViewportHeightOneAndAspectW) {
  Viewer<PluginKind::ternary> v;
  auto& r = v.show();
  v.form.window().user_resize(917, 0);
  EXPECT_DOUBLE_EQ(r.aspect_ratio(), 917.0);
  GLint viewport[4] = {};
  r.display();
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[3], 1);
  EXPECT_EQ(viewport[2], 917);
}

template <PluginKind Kind>
void check_background_codes(bool grey_code) {
  Viewer<Kind> v;
  auto& r = v.show();
  auto background = [&](int16_t code) {
    r.colorf = code;
    r.display();
    return centre_pixel(v.form.last_picture());
  };
  using P = std::array<uint8_t, 3>;
  EXPECT_EQ(background(0), (P{255, 255, 255}));
  EXPECT_EQ(background(1), (P{0, 0, 0}));
  EXPECT_EQ(background(2), (P{255, 0, 0}));
  EXPECT_EQ(background(3), (P{0, 255, 0}));
  EXPECT_EQ(background(4), (P{0, 0, 255}));
  // Code 5 is grey only in some plug-ins; elsewhere, like any other code, it keeps blue.
  EXPECT_EQ(background(5), grey_code ? (P{128, 128, 128}) : (P{0, 0, 255}));
  EXPECT_EQ(background(-1), background(5));
  EXPECT_EQ(background(6), background(5));
}

TEST(ViewerForm, BackgroundCodesPerPlugin) {
  check_background_codes<PluginKind::biplot>(true);
  check_background_codes<PluginKind::Havrel>(true);
  check_background_codes<PluginKind::ternary>(true);
  check_background_codes<PluginKind::Quadrel>(true);
  check_background_codes<PluginKind::Pellin>(false);
  check_background_codes<PluginKind::Tormin>(false);
  check_background_codes<PluginKind::Vorn>(false);
  check_background_codes<PluginKind::Vornc>(false);
}

TEST(ViewerForm, PixelFormatFailureIsReportedOnceAndTheWindowStillShows) {
  Viewer<PluginKind::Havrel> v;
  testing_hooks::set_failing(PlatformStep::pixel_format, true);
  auto& r = v.show();
  testing_hooks::set_failing(PlatformStep::pixel_format, false);
  ASSERT_EQ(v.log.messages.size(), 1u);
  EXPECT_EQ(v.log.messages[0], "ChoosePixelFormat failed");
  EXPECT_FALSE(r.has_context());
  EXPECT_EQ(r.m_fieldOfView, 0);
  EXPECT_TRUE(v.form.shown());
  // Paints and camera buttons on a renderer without context do nothing, quietly.
  v.form.window().user_click(ButtonId::Rot_YY);
  v.form.window().user_resize(300, 200);
  EXPECT_EQ(v.form.frames(), 0);
  EXPECT_EQ(v.log.messages.size(), 1u);
  r.Class_Terminate();
  r.Class_Terminate();
}

TEST(ViewerForm, InitializeReturnsFalseAfterTheFailureAndTrueOtherwise) {
  MessageLog log;
  ViewerForm form{profile_of(PluginKind::Vornc)};
  auto& r = form.parametres<BareRenderer<PluginKind::Vornc>>([](auto&) {});
  int32_t hwnd = form.window().hwnd();
  int32_t hdc = form.window().hdc();
  BareRenderer<PluginKind::Vornc> second;
  EXPECT_TRUE(second.Initialize(hwnd, hdc));
  int32_t no_dc = 0;
  BareRenderer<PluginKind::Vornc> third;
  EXPECT_FALSE(third.Initialize(hwnd, no_dc));
  EXPECT_EQ(log.messages.size(), 1u);
  EXPECT_TRUE(r.has_context());
}

TEST(ViewerForm, SecondMostrarReusesTheWindowWithAFreshRenderer) {
  Viewer<PluginKind::Pellin> v;
  auto& first = v.show();
  first.colorf = 1;
  FormWindow* window = &v.form.window();
  const int64_t frames = v.form.frames();
  auto& second = v.show();
  EXPECT_EQ(v.form.frames() - frames, 1) << "the open window shows the new renderer's frame";
  EXPECT_NE(&first, &second);
  EXPECT_EQ(window, &v.form.window());
  EXPECT_EQ(second.colorf, 0);
  EXPECT_TRUE(second.has_context());
  // The fresh context numbers its lists from 1 again: glyphs, markers, then the world list.
  EXPECT_EQ(second.glyph_base(), 1u);
  EXPECT_EQ(second.markers().shapes[0], 97u);
  EXPECT_EQ(second.world_list(), 107u);
  EXPECT_EQ(centre_pixel(v.form.last_picture()), (std::array<uint8_t, 3>{255, 255, 255}));
}

TEST(ViewerForm, ClosingReleasesTheRendererOnlyInTheRegionPlots) {
  {
    Viewer<PluginKind::Vorn> v;
    v.show();
    v.form.Sortir_Click();
    EXPECT_FALSE(v.form.shown());
    EXPECT_EQ(v.form.renderer(), nullptr);
  }
  {
    Viewer<PluginKind::Vornc> v;
    v.show();
    v.form.window().user_close();
    EXPECT_EQ(v.form.renderer(), nullptr);
  }
  Viewer<PluginKind::ternary> v;
  auto& r = v.show();
  const int draws = r.draws;
  v.form.window().user_close();
  EXPECT_FALSE(v.form.shown());
  ASSERT_EQ(v.form.renderer(), &r);
  // Unload recompiles the scene twice in these viewers.
  EXPECT_EQ(r.draws - draws, 2);
  // And a later mostrar makes the window again.
  v.show();
  EXPECT_TRUE(v.form.shown());
}

// Off screen the picture is read when asked for, so it must be the frame presented last; only
// captured frames outlive the window (ternary keeps its renderer, Vorn releases it), and
// uncaptured closing frames are not drawn at all.
TEST(ViewerForm, PictureIsTheLastFrameAndOutlivesTheWindowOnlyWhenCaptured) {
  for (const bool capture : {false, true}) {
    SCOPED_TRACE(capture);
    set_frame_capture(capture);
    Viewer<PluginKind::Vorn> v;
    auto& r = v.show();
    EXPECT_EQ(centre_pixel(v.form.last_picture()), (std::array<uint8_t, 3>{255, 255, 255}));
    r.colorf = 1;  // black
    r.display();
    EXPECT_EQ(centre_pixel(v.form.last_picture()), (std::array<uint8_t, 3>{0, 0, 0}));
    v.form.window().user_close();
    EXPECT_EQ(v.form.last_picture().empty(), !capture);
    Viewer<PluginKind::ternary> t;
    t.show();
    const int64_t frames = t.form.frames();
    t.form.window().user_close();
    EXPECT_EQ(t.form.last_picture().empty(), !capture);
    EXPECT_EQ(t.form.frames() - frames, capture ? 2 : 0);
  }
  set_frame_capture(false);
}

// A line across the frame, and state a careless plot leaves behind outside its lists.
class LeavingRenderer : public Renderer {
 public:
  LeavingRenderer() : Renderer(profile_of(PluginKind::Vorn)) {}
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override {
    Renderer::DrawAxes(x, y, z);
    glBegin(GL_LINES);
    glVertex3f(-1, 0, 0);
    glVertex3f(1, 0, 0);
    glEnd();
  }
  void leave_state_behind() {
    glEnable(GL_LIGHTING);
    glLineWidth(9);
    glPushAttrib(GL_ENABLE_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glNewList(gen_lists(1), GL_COMPILE);  // and a list still being recorded
  }
};

// Off screen a closed viewer's context serves the next one: that one must see what a fresh
// context gives, the same list numbers and the same picture.
TEST(ViewerForm, NextViewerDrawsAsInAFreshContext) {
  MessageLog log;
  ViewerForm form{profile_of(PluginKind::Vorn)};
  auto& first = form.parametres<LeavingRenderer>([](LeavingRenderer&) {});
  const GLuint glyphs = first.glyph_base();
  const GLuint world = first.world_list();
  const Image picture = form.last_picture();
  first.leave_state_behind();
  form.window().user_close();
  ASSERT_EQ(form.renderer(), nullptr);
  auto& second = form.parametres<LeavingRenderer>([](LeavingRenderer&) {});
  EXPECT_EQ(second.glyph_base(), glyphs);
  EXPECT_EQ(second.world_list(), world);
  EXPECT_TRUE(form.last_picture().rgb == picture.rgb) << "state of the closed viewer leaked";
}

TEST(ViewerForm, RotationButtonDrawsExactlyOneFrameWithTheStepOfThePlugin) {
  Viewer<PluginKind::Havrel> havrel;
  auto& h = havrel.show();
  int64_t before = havrel.form.frames();
  havrel.form.window().user_click(ButtonId::Rot_YY);
  EXPECT_FLOAT_EQ(h.yAngle, 5);
  EXPECT_EQ(havrel.form.frames() - before, 1);

  Viewer<PluginKind::Tormin> tormin;
  auto& t = tormin.show();
  const GLuint list = t.world_list();
  before = tormin.form.frames();
  tormin.form.window().user_click(ButtonId::Rot_YY);
  EXPECT_FLOAT_EQ(t.yAngle, 20);
  EXPECT_EQ(tormin.form.frames() - before, 1);
  tormin.form.window().user_click(ButtonId::Rot_X);
  tormin.form.window().user_click(ButtonId::Rot_ZZ);
  EXPECT_FLOAT_EQ(t.xAngle, -20);
  EXPECT_FLOAT_EQ(t.zAngle, 20);
  // The replaced world list is freed: a long session does not pile lists up.
  EXPECT_EQ(glIsList(list), GL_FALSE);
  EXPECT_EQ(glIsList(t.world_list()), GL_TRUE);
}

TEST(ViewerForm, ZoomStaysStrictlyBetweenZeroAndHalfTurn) {
  Viewer<PluginKind::Tormin> v;
  auto& r = v.show();
  v.form.window().user_click(ButtonId::inc_zoom);
  EXPECT_DOUBLE_EQ(r.m_fieldOfView, 8);
  for (int i = 0; i < 3; ++i) v.form.window().user_click(ButtonId::inc_zoom);
  EXPECT_DOUBLE_EQ(r.m_fieldOfView, 2);
  const int64_t before = v.form.frames();
  v.form.window().user_click(ButtonId::inc_zoom);  // would reach 0: nothing happens
  EXPECT_DOUBLE_EQ(r.m_fieldOfView, 2);
  EXPECT_EQ(v.form.frames(), before);
  r.m_fieldOfView = 176;
  v.form.window().user_click(ButtonId::dec_zoom);
  EXPECT_DOUBLE_EQ(r.m_fieldOfView, 178);
  v.form.window().user_click(ButtonId::dec_zoom);
  EXPECT_DOUBLE_EQ(r.m_fieldOfView, 178);
}

TEST(ViewerForm, TwoDViewersIgnoreCameraButtonsTheyDoNotHave) {
  Viewer<PluginKind::Pellin> v;
  auto& r = v.show();
  const int64_t before = v.form.frames();
  v.form.window().user_click(ButtonId::Rot_YY);
  EXPECT_EQ(r.yAngle, 0);
  EXPECT_EQ(v.form.frames(), before);
}

TEST(ViewerForm, RunTimeErrorInAButtonIsShownAndThePictureStays) {
  Viewer<PluginKind::Quadrel> v;
  auto& r = v.show();
  const GLuint list = r.world_list();
  r.fail_in_draw = true;
  v.form.window().user_click(ButtonId::Rot_XX);
  ASSERT_EQ(v.log.messages.size(), 1u);
  EXPECT_EQ(v.log.messages[0], "Run-time error '9':\n\nSubscript out of range");
  EXPECT_EQ(r.world_list(), list);
  // The recording was ended: the next frame still replays the old list.
  r.fail_in_draw = false;
  const int64_t before = v.form.frames();
  r.display();
  EXPECT_EQ(v.form.frames() - before, 1);
  GLint mode = 0;
  glGetIntegerv(GL_LIST_MODE, &mode);
  EXPECT_EQ(mode, 0);
}

TEST(ViewerForm, RunTimeErrorInInitializeReachesTheCallerAndNoWindowShows) {
  MessageLog log;
  ViewerForm form{profile_of(PluginKind::biplot)};
  EXPECT_THROW(
      form.parametres<BareRenderer<PluginKind::biplot>>([](auto& r) { r.fail_in_draw = true; }),
      RuntimeError);
  EXPECT_FALSE(form.shown());
  EXPECT_THROW(form.parametres<BareRenderer<PluginKind::biplot>>(
                   [](auto&) { raise(ErrorNumber::Overflow); }),
               RuntimeError);
  EXPECT_FALSE(form.shown());
  EXPECT_TRUE(log.messages.empty());
}

TEST(ViewerForm, TwoViewersDrawIntoTheirOwnSurfaces) {
  Viewer<PluginKind::biplot> a;
  Viewer<PluginKind::Pellin> b;
  auto& ra = a.show();
  auto& rb = b.show();
  ra.colorf = 1;
  rb.colorf = 2;
  for (int i = 0; i < 2; ++i) {
    ra.display();
    rb.display();
    a.form.window().user_resize(500, 400);
  }
  EXPECT_EQ(centre_pixel(a.form.last_picture()), (std::array<uint8_t, 3>{0, 0, 0}));
  EXPECT_EQ(centre_pixel(b.form.last_picture()), (std::array<uint8_t, 3>{255, 0, 0}));
  EXPECT_EQ(a.form.last_picture().width, 500);
  EXPECT_EQ(b.form.last_picture().width, 918);
}

TEST(ViewerForm, ClassTerminateOnARendererWithoutContextLeavesTheOtherCurrent) {
  Viewer<PluginKind::ternary> v;
  auto& r = v.show();
  BareRenderer<PluginKind::ternary> never_initialised;
  never_initialised.Class_Terminate();
  never_initialised.Class_Terminate();
  glClearColor(0, 1, 0, 1);  // still this viewer's context
  EXPECT_TRUE(r.has_context());
  GLfloat colour[4] = {};
  glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
  EXPECT_FLOAT_EQ(colour[1], 1);
}

}  // namespace
}  // namespace plot
