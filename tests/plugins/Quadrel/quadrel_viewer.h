#pragma once

#include <filesystem>
#include <string>

#include "exchange/exchange_test_support.h"
#include "exchange_folder.h"
#include "support/form_viewer.h"
#include "tetrahedron_plugin.h"

namespace plot::testing {

// The tetrahedron shown off screen through CDades_Quadrel, from the two files written into a
// profile folder of its own. Positions are in the tetrahedron frame, which the drawing shifts
// by (-0.5, -0.5, 0).
class QuadrelViewer : public TernaryFrameViewer<QuadrelViewer, COpenGL_TD_3D> {
 public:
  static constexpr const char* kOptions = "opcionsTernary.qvm";
  static constexpr const char* kData = "dadesTernary.qvm";

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

  std::filesystem::path file(const std::string& name) const { return profile.file(name); }

  void show() { data.mostrar(); }
  void click(ButtonId button) { form().window().user_click(button); }

  CDades_Quadrel data;
  PrivateProfile profile;

 private:
  std::string points_;
};

}  // namespace plot::testing
