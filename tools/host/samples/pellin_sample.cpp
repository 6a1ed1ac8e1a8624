#include "pellin_sample.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>

#include "../../../plugins/Pellin/Pellin_records.h"
#include "normal_draw.h"
#include "sample.h"

namespace {

using pellin::Vector_Punts_arl;

constexpr int kGroups = 3;
constexpr int kPerGroup = 50;

// The host's own copy of the group colours, entries 1 to 3 of the plug-ins' table.
constexpr std::array<std::array<float, 3>, kGroups + 1> kGroupColour = {
    {{0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}}};

struct Composition {
  double part[3];
  int16_t group;
};

// Logistic-normal compositions around a different centre for each group, closed to 1.
std::array<Composition, kGroups * kPerGroup> make_compositions() {
  constexpr double kCentre[kGroups][2] = {{0.9, 0.3}, {-0.5, 0.8}, {0.2, -0.9}};
  std::mt19937 engine(20240611u);
  std::array<Composition, kGroups * kPerGroup> sample{};
  for (int g = 0; g < kGroups; ++g)
    for (int k = 0; k < kPerGroup; ++k) {
      const double a = std::exp(kCentre[g][0] + 0.35 * standard_normal(engine));
      const double b = std::exp(kCentre[g][1] + 0.35 * standard_normal(engine));
      const double total = a + b + 1;
      sample[static_cast<std::size_t>(g * kPerGroup + k)] = {{a / total, b / total, 1 / total},
                                                             static_cast<int16_t>(g + 1)};
    }
  return sample;
}

// alr coordinates ln(x1/x3), ln(x2/x3); their mean is the alr of the sample's centre. Points
// and centre share one scale that brings the widest coordinate to 1.
struct Plot {
  std::unique_ptr<Vector_Punts_arl> record = std::make_unique<Vector_Punts_arl>();
  double centre_x = 0;
  double centre_y = 0;
};

Plot make_plot() {
  const auto sample = make_compositions();
  Plot plot;
  double widest = 0;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    const Composition& c = sample[i];
    pellin::Punt& p = plot.record->Punts[i];
    p.x = std::log(c.part[0] / c.part[2]);
    p.y = std::log(c.part[1] / c.part[2]);
    plot.centre_x += p.x / static_cast<double>(sample.size());
    plot.centre_y += p.y / static_cast<double>(sample.size());
    widest = std::max({widest, std::fabs(p.x), std::fabs(p.y)});
    const auto& colour = kGroupColour[static_cast<std::size_t>(c.group)];
    std::copy(colour.begin(), colour.end(), p.color.color);
    p.forma = c.group;
  }
  const double scale = 0.95 / widest;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    plot.record->Punts[i].x *= scale;
    plot.record->Punts[i].y *= scale;
  }
  plot.centre_x *= scale;
  plot.centre_y *= scale;
  plot.record->long_ = static_cast<int16_t>(sample.size());
  return plot;
}

void show(const PluginApi& api, bool markers) {
  Plot plot = make_plot();
  const plot_string names[] = {{"ln(x1/x3)", 9}, {"ln(x2/x3)", 9}};
  with_data_class(api, "CDades_ALR", [&](plot_object* data) {
    api.set(data, "formes", boolean_value(markers));
    api.set(data, "nGrups", i2_value(kGroups));
    api.set(data, "centreX", r8_value(plot.centre_x));
    api.set(data, "centreY", r8_value(plot.centre_y));
    const plot_variant arguments[] = {
        record_value(PELLIN_VECTOR_PUNTS_ARL_NAME, plot.record.get(), sizeof(Vector_Punts_arl)),
        strings_value(1, 2, names)};
    api.invoke(data, "mostrar", arguments, 2);
  });
}

}  // namespace

void show_pellin_dots(const PluginApi& api) {
  show(api, false);
}

void show_pellin_markers(const PluginApi& api) {
  show(api, true);
}
