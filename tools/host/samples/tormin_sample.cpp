#include "tormin_sample.h"

#include <array>
#include <cmath>
#include <random>
#include <string>

#include "../exchange_folder.h"
#include "normal_draw.h"

namespace {

constexpr int kGroups = 3;
constexpr int kPerGroup = 40;

struct Plot {
  const char* transformacio;
  int modeDibuix;  // 2: marker shapes by group; otherwise dots in the group colours
  std::array<const char*, 3> names;
};

constexpr Plot kAlrDots{
    .transformacio = "ALR", .modeDibuix = 1, .names = {"ln(x1/x4)", "ln(x2/x4)", "ln(x3/x4)"}};
constexpr Plot kBalanceShapes{
    .transformacio = "balances", .modeDibuix = 2, .names = {"b1", "b2", "b3"}};

// Logistic-normal compositions around a different centre per group, in percent: the plug-in
// computes its coordinates itself, and the unit of the parts does not move them.
void write_data(const PrivateProfile& profile) {
  constexpr double kCentre[kGroups][3] = {{0.9, 0.2, -0.4}, {-0.5, 0.8, 0.3}, {0.2, -0.7, 0.9}};
  std::mt19937 engine(20240612u);
  ExchangeWriter out(profile.file("\\dadesALR.qvm"));
  for (int g = 0; g < kGroups; ++g)
    for (int k = 0; k < kPerGroup; ++k) {
      std::array<double, 4> parts = {1, 1, 1, 1};
      double total = 1;
      for (int j = 0; j < 3; ++j) {
        parts[static_cast<std::size_t>(j)] =
            std::exp(kCentre[g][j] + 0.3 * standard_normal(engine));
        total += parts[static_cast<std::size_t>(j)];
      }
      for (const double part : parts) out.number(100 * part / total);
      out.integer(g + 1).end_row();
    }
  out.close();
}

void show(const PluginApi& api, const Plot& plot, void (*after)(const PluginApi&) = nullptr) {
  PrivateProfile profile;
  ExchangeWriter options(profile.file("\\opcionsALR.qvm"));
  options.text(plot.transformacio).integer(plot.modeDibuix).integer(kGroups).end_row();
  for (const char* name : plot.names) options.text(name).end_row();
  options.close();
  write_data(profile);

  plot_object* data = api.make("CDades_ALR_3D");
  try {
    api.invoke(data, "mostrar");
    if (after != nullptr) after(api);
  } catch (...) {
    api.release(data);
    throw;
  }
  api.release(data);
}

}  // namespace

void show_tormin_alr_dots(const PluginApi& api) {
  show(api, kAlrDots);
}

void show_tormin_balance_shapes(const PluginApi& api) {
  show(api, kBalanceShapes);
}

void show_tormin_rotated(const PluginApi& api) {
  show(api, kAlrDots, [](const PluginApi& a) {
    for (const char* button : {"Rot_YY", "Rot_YY", "Rot_XX", "inc_zoom"}) a.click(button);
  });
}
