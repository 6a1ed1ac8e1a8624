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
  static constexpr const char* kOptions = plot_tormin_options.name;
  static constexpr const char* kData = plot_tormin_data.name;

  void write(const TorminOptions& options, const std::vector<Observation>& rows) {
    write_options(options);
    write_data(rows);
  }
  void write_options(const TorminOptions& o) {
    write_exchange_file(
        profile, plot_tormin_options,
        {o.transformacio, o.modeDibuix, o.nGrups, o.names[0], o.names[1], o.names[2]});
  }
  void write_data(const std::vector<Observation>& rows) {
    ExchangeWriter w(profile, plot_tormin_data);
    for (const Observation& r : rows)
      w.row({r.parts[0], r.parts[1], r.parts[2], r.parts[3], r.group});
    w.close();
  }
  bool exists(const char* name) const { return std::filesystem::exists(profile.file(name)); }

  void show() { data.mostrar(); }

  PrivateProfile profile;
  CDades_ALR_3D data;
};

}  // namespace plot::testing
