#pragma once

#include <array>
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
  static constexpr const char* kOptions = plot_quadrel_options.name;
  static constexpr const char* kData = plot_quadrel_data.name;

  void write_options(int mode, int groups,
                     const std::array<std::string, 3>& names = {"A", "B", "C"}) {
    write_exchange_file(profile, plot_quadrel_options,
                        {mode, groups, names[0], names[1], names[2]});
  }
  // The six-value file: the fourth name, and every name at its corner.
  void write_corner_names(int mode, int groups, const std::array<std::string, 4>& names) {
    write_exchange_file(profile, plot_quadrel_options,
                        {mode, groups, names[0], names[1], names[2], names[3]});
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
