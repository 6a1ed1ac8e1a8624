#pragma once

#include "core/com/plugin_definition.h"
#include "support/plot_viewer.h"

namespace plot::testing {

// How a form left by an earlier test is put away: unloaded, or closed as a user closes it when
// it is shown (the form stays loaded, as after a user's session).
enum class Leftover { Unload, UserClose };

// The test viewer of the linked plug-in, whose renderer is `R`, seen through 15 degrees without a
// shift unless `Viewer` says otherwise.
template <typename Viewer, typename R, Leftover leftover = Leftover::Unload>
class FormViewer : public PlotViewer<Viewer> {
 public:
  static constexpr PluginKind kKind = R::kKind;
  static constexpr double kFieldOfView = 15;
  static constexpr Vec3 kShift = {0, 0, 0};

  FormViewer() {
    ViewerForm* form = plugin_definition().existing_form();
    if (form == nullptr) return;
    if constexpr (leftover == Leftover::Unload)
      form->window().unload();
    else if (form->shown())
      form->window().user_close();
  }

  static ViewerForm& form() { return *plugin_definition().existing_form(); }
  static R& renderer() { return static_cast<R&>(*form().renderer()); }

  // A model point through the camera as it is now: the renderer's field of view and angles.
  static WindowPoint seen_at(double x, double y, double z) {
    const R& r = renderer();
    const Image& image = PlotViewer<Viewer>::picture();
    const Vec3 shift = Viewer::kShift;
    return project(profile_of(kKind), r.m_fieldOfView, image.width, image.height,
                   {x + shift.x, y + shift.y, z + shift.z}, {r.xAngle, r.yAngle, r.zAngle});
  }
};

// The plots on the ternary frame: positions are in that frame, which the drawing shifts by
// (-0.5, -0.5), seen through 25 degrees.
template <typename Viewer, typename R>
class TernaryFrameViewer : public FormViewer<Viewer, R> {
 public:
  static constexpr double kFieldOfView = 25;
  static constexpr Vec3 kShift = {-0.5, -0.5, 0};
};

}  // namespace plot::testing
