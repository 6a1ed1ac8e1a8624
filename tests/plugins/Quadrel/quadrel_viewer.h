#pragma once

#include <filesystem>
#include <string>

#include "core/com/plugin_definition.h"
#include "exchange/exchange_test_support.h"
#include "quadrel_classes.h"
#include "support/plot_viewer.h"

namespace plot::testing {

// The tetrahedron shown off screen through CDades_Quadrel, from the two files written into a
// profile folder of its own. Positions are in the tetrahedron frame, which the drawing shifts
// by (-0.5, -0.5, 0).
class QuadrelViewer : public PlotViewer<QuadrelViewer> {
 public:
  static constexpr PluginKind kKind = PluginKind::Quadrel;
  static constexpr double kFieldOfView = 25;
  static constexpr Vec3 kShift = {-0.5, -0.5, 0};
  static constexpr const char* kOptions = "opcionsTernary.qvm";
  static constexpr const char* kData = "dadesTernary.qvm";

  QuadrelViewer() {
    if (ViewerForm* form = FormSlot<TD_3D>::existing()) form->window().unload();
  }
  ~QuadrelViewer() { std::filesystem::remove_all(folder); }

  // The options file as the host writes it: mode, groups, three quoted names.
  void write_options(int mode, int groups, const std::string& names = R"("A","B","C")") {
    write_file(file(kOptions),
               std::to_string(mode) + "," + std::to_string(groups) + "," + names + "\r\n");
  }
  void write_data(const std::string& text) { write_file(file(kData), text); }
  // One record x, y, z, group.
  void add_point(double x, double y, double z, double group) {
    points_ += std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(z) + "," +
               std::to_string(group) + "\r\n";
    write_data(points_);
  }

  std::filesystem::path file(const std::string& name) const { return folder / name; }

  void show() { data.mostrar(); }
  void click(ButtonId button) { form().window().user_click(button); }

  // A model point through the camera as it is now: the renderer's field of view and angles.
  static WindowPoint seen_at(double x, double y, double z) {
    const COpenGL_TD_3D& r = renderer();
    const Image& image = picture();
    return project(profile_of(kKind), r.m_fieldOfView, image.width, image.height,
                   {x + kShift.x, y + kShift.y, z + kShift.z}, {r.xAngle, r.yAngle, r.zAngle});
  }

  static ViewerForm& form() { return *FormSlot<TD_3D>::existing(); }
  static COpenGL_TD_3D& renderer() { return static_cast<COpenGL_TD_3D&>(*form().renderer()); }

  CDades_Quadrel data;
  std::filesystem::path folder = make_temp_folder();

 private:
  ScopedEnvironment profile_{"USERPROFILE", folder.c_str()};
  std::string points_;
};

}  // namespace plot::testing
