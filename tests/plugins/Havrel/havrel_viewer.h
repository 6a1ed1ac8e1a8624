#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "biplot3d_plugin.h"
#include "exchange/exchange_test_support.h"
#include "exchange_folder.h"
#include "support/form_viewer.h"

namespace plot::testing {

// The options file's values; the defaults draw colours with a legend and rays by name.
struct HavrelOptions {
  int nGrups = 0;
  int nLinies = 0;
  bool observation = true;
  int modeDibuix = 1;
  bool printeixos = true;
  bool outlier_mark = false;
  int nRang = 0;

  void write(const PrivateProfile& profile) const {
    write_exchange_file(profile, plot_havrel_options,
                        {nGrups, nLinies, observation, modeDibuix, printeixos, outlier_mark, false,
                         nRang, "PC1", "PC2", "PC3"});
  }
};

// One 3D biplot shown off screen through CDades_Havrel, from exchange files written into a
// profile folder of the test's own.
class HavrelViewer : public FormViewer<HavrelViewer, COpenGL_Havrel, Leftover::UserClose> {
 public:
  std::filesystem::path file(const std::string& name) const { return profile.file(name); }
  bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
  void write(const std::string& name, const std::string& bytes) { write_file(file(name), bytes); }

  // The four files; rows of points are "x,y,z,group,outlier", none means no points file.
  void write_files(const HavrelOptions& options, const std::string& points = "",
                   const std::string& rays = " ", const std::string& proportions = " ") {
    options.write(profile);
    write(plot_havrel_proportions.name, proportions);
    write(plot_havrel_rays.name, rays);
    if (!points.empty()) write(plot_havrel_points.name, points);
  }

  void show() { data.mostrar(); }
  static void press(ButtonId button, int times = 1) {
    for (int i = 0; i < times; ++i) form().window().user_click(button);
  }

  // The colour where a model point lands with the renderer's present angles and field of view.
  static Colour colour_at3(double x, double y, double z) {
    const WindowPoint w = seen_at(x, y, z);
    return pixel(w.x, w.y);
  }

  CDades_Havrel data;
  PrivateProfile profile;
};

inline std::string repeated(const std::string& row, int rows) {
  std::string text;
  for (int n = 0; n < rows; ++n) text += row;
  return text;
}

}  // namespace plot::testing
