#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "exchange_folder.h"
#include "logratio3d_plugin.h"
#include "support/form_viewer.h"

namespace plot::testing {

// One record of the data file: four parts and a group.
struct Observation {
  std::array<double, 4> parts;
  int group = 1;
};

struct TorminOptions {
  std::string transformacio = "ALR";
  int modeDibuix = 1;
  int nGrups = 0;
  std::array<std::string, 3> names = {"u", "v", "w"};
};

// One Tormin plot shown off screen through CDades_ALR_3D, from exchange files written by the
// host's own writer into a private profile folder.
class TorminViewer : public FormViewer<TorminViewer, COpenGL_alr_3D, Leftover::UserClose> {
 public:
  static constexpr double kFieldOfView = 10;
  static constexpr const char* kOptions = "\\opcionsALR.qvm";
  static constexpr const char* kData = "\\dadesALR.qvm";

  void write(const TorminOptions& options, const std::vector<Observation>& rows) {
    write_options(options);
    write_data(rows);
  }
  void write_options(const TorminOptions& o) {
    ExchangeWriter w(profile.file(kOptions));
    w.text(o.transformacio).integer(o.modeDibuix).integer(o.nGrups).end_row();
    for (const std::string& name : o.names) w.text(name).end_row();
    w.close();
  }
  void write_data(const std::vector<Observation>& rows) {
    ExchangeWriter w(profile.file(kData));
    for (const Observation& r : rows) {
      for (const double part : r.parts) w.number(part);
      w.integer(r.group).end_row();
    }
    w.close();
  }
  bool exists(const char* name) const { return std::filesystem::exists(profile.file(name)); }

  void show() { data.mostrar(); }

  PrivateProfile profile;
  CDades_ALR_3D data;
};

}  // namespace plot::testing
