// The tetrahedron samples: a four-part sample in three groups, closed, placed in the
// plug-in's tetrahedron frame and written to its two exchange files in a private profile
// folder, which the plug-in reads and deletes while mostrar runs.
#include <array>
#include <cstdint>

#include "../exchange_folder.h"
#include "quadrel_sample.h"
#include "stats/compositions.h"
#include "stats/tetrahedron_position.h"

namespace {

struct Row {
  std::array<double, 4> parts;  // as measured, in any unit; closed below
  int group;
};

// Ten compositions per group, each group rich in one of the first three parts.
constexpr Row kSample[] = {
    {{61, 14, 12, 13}, 1}, {{55, 17, 15, 13}, 1}, {{66, 11, 9, 14}, 1},  {{58, 12, 18, 12}, 1},
    {{70, 8, 10, 12}, 1},  {{52, 20, 11, 17}, 1}, {{63, 15, 7, 15}, 1},  {{59, 9, 14, 18}, 1},
    {{67, 13, 12, 8}, 1},  {{56, 16, 16, 12}, 1}, {{12, 58, 15, 15}, 2}, {{9, 64, 12, 15}, 2},
    {{15, 52, 18, 15}, 2}, {{11, 61, 9, 19}, 2},  {{14, 55, 20, 11}, 2}, {{8, 68, 13, 11}, 2},
    {{13, 57, 11, 19}, 2}, {{10, 62, 16, 12}, 2}, {{16, 50, 14, 20}, 2}, {{12, 60, 17, 11}, 2},
    {{14, 13, 35, 38}, 3}, {{11, 15, 30, 44}, 3}, {{16, 10, 38, 36}, 3}, {{12, 12, 33, 43}, 3},
    {{9, 14, 40, 37}, 3},  {{15, 11, 31, 43}, 3}, {{13, 16, 36, 35}, 3}, {{10, 12, 42, 36}, 3},
    {{12, 9, 34, 45}, 3},  {{17, 13, 29, 41}, 3},
};
constexpr int kGroups = 3;
constexpr int kShapeMode = 2;
constexpr int kDotMode = 1;

void write_exchange_files(const PrivateProfile& profile, int mode) {
  ExchangeWriter options(profile.file("\\opcionsTernary.qvm"));
  // The labels stand where the ternary diagram has them: over the top (by B), left of A,
  // and far right (toward C). D has none.
  options.integer(mode).integer(kGroups).text("Part B").text("Part A").text("Part C").end_row();
  options.close();

  constexpr auto n = static_cast<Eigen::Index>(std::size(kSample));
  stats::Matrix parts(n, 4);
  for (Eigen::Index i = 0; i < n; ++i)
    for (Eigen::Index j = 0; j < 4; ++j)
      parts(i, j) = kSample[i].parts[static_cast<std::size_t>(j)];
  const stats::Matrix frame = stats::tetrahedron_positions(stats::closure(parts));
  ExchangeWriter data(profile.file("\\dadesTernary.qvm"));
  for (Eigen::Index i = 0; i < n; ++i)
    data.number(frame(i, 0))
        .number(frame(i, 1))
        .number(frame(i, 2))
        .integer(kSample[i].group)
        .end_row();
  data.close();
}

void show_quadrel(const PluginApi& api, int mode) {
  const PrivateProfile profile;
  write_exchange_files(profile, mode);
  // The class's own properties are not read; they are set as a host would.
  with_data_class(api, "CDades_Quadrel", [&](plot_object* quadrel) {
    api.set(quadrel, "formes", boolean_value(mode == kShapeMode));
    api.set(quadrel, "nGrups", i2_value(kGroups));
    api.invoke(quadrel, "mostrar");
  });
}

}  // namespace

void show_quadrel_shapes(const PluginApi& api) {
  show_quadrel(api, kShapeMode);
}
void show_quadrel_dots(const PluginApi& api) {
  show_quadrel(api, kDotMode);
}
void show_quadrel_rotated(const PluginApi& api) {
  show_quadrel(api, kDotMode);
  for (const char* button : {"Rot_YY", "Rot_YY", "Rot_YY", "Rot_X", "Rot_X", "Rot_X"})
    api.click(button);
}
