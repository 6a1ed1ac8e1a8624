#pragma once

#include "core/com/plugin_definition.h"
#include "support/plot_viewer.h"

namespace plot::testing {

// The test viewer of a plug-in whose one form is `Form` and whose renderer is `R`: a form left
// open by an earlier test is unloaded first.
template <typename Viewer, typename Form, typename R>
class FormViewer : public PlotViewer<Viewer> {
 public:
  FormViewer() {
    if (ViewerForm* form = FormSlot<Form>::existing()) form->window().unload();
  }

  static ViewerForm& form() { return *FormSlot<Form>::existing(); }
  static R& renderer() { return static_cast<R&>(*form().renderer()); }
};

// The plots on the ternary frame: positions are in that frame, which the drawing shifts by
// (-0.5, -0.5), seen through 25 degrees.
template <typename Viewer, typename Form, typename R>
class TernaryFrameViewer : public FormViewer<Viewer, Form, R> {
 public:
  static constexpr PluginKind kKind = R::kKind;
  static constexpr double kFieldOfView = 25;
  static constexpr Vec3 kShift = {-0.5, -0.5, 0};
};

}  // namespace plot::testing
