#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/exchange_test_support.h"
#include "havrel_classes.h"
#include "support/plot_viewer.h"

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

  std::string text() const {
    const auto logical = [](bool b) { return std::string(b ? ",#TRUE#" : ",#FALSE#"); };
    return std::to_string(nGrups) + "," + std::to_string(nLinies) + logical(observation) + "," +
           std::to_string(modeDibuix) + logical(printeixos) + logical(outlier_mark) + ",#FALSE#," +
           std::to_string(nRang) + ",\"PC1\",\"PC2\",\"PC3\"\r\n";
  }
};

// One 3D biplot shown off screen through CDades_Havrel, from exchange files written into a
// profile folder of the test's own.
class HavrelViewer : public PlotViewer<HavrelViewer> {
 public:
  static constexpr PluginKind kKind = PluginKind::Havrel;
  static constexpr double kFieldOfView = 15;
  static constexpr Vec3 kShift = {0, 0, 0};

  HavrelViewer() {
    if (ViewerForm* f = FormSlot<bi_3D>::existing(); f != nullptr && f->shown())
      f->window().user_close();
  }
  ~HavrelViewer() { std::filesystem::remove_all(folder); }

  std::filesystem::path file(const std::string& name) const { return folder / name; }
  bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
  void write(const std::string& name, const std::string& bytes) { write_file(file(name), bytes); }

  // The four files; rows of points are "x,y,z,group,outlier", none means no points file.
  void write_files(const HavrelOptions& options, const std::string& points = "",
                   const std::string& rays = " ", const std::string& proportions = " ") {
    write("opcionsBiplot.qvm", options.text());
    write("rangBiplot.qvm", proportions);
    write("liniesBiplot.qvm", rays);
    if (!points.empty()) write("puntsBiplot.qvm", points);
  }

  void show() { data.mostrar(); }
  static ViewerForm& form() { return *FormSlot<bi_3D>::existing(); }
  static COpenGL_Havrel& renderer() { return static_cast<COpenGL_Havrel&>(*form().renderer()); }
  static void press(ButtonId button, int times = 1) {
    for (int i = 0; i < times; ++i) form().window().user_click(button);
  }

  // The colour where a model point lands with the renderer's present angles and field of view.
  static Colour colour_at3(double x, double y, double z) {
    const COpenGL_Havrel& r = renderer();
    const WindowPoint w = project(profile_of(kKind), r.m_fieldOfView, picture().width,
                                  picture().height, {x, y, z}, {r.xAngle, r.yAngle, r.zAngle});
    return pixel(w.x, w.y);
  }

  CDades_Havrel data;
  std::filesystem::path folder = make_temp_folder();

 private:
  ScopedEnvironment profile_{"USERPROFILE", folder.c_str()};
};

inline std::string repeated(const std::string& row, int rows) {
  std::string text;
  for (int n = 0; n < rows; ++n) text += row;
  return text;
}

}  // namespace plot::testing
