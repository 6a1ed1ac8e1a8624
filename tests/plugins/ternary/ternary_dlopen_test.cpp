// ternary.so loaded as a host loads it, the records passed through dlopen'ed functions only.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "plot_plugin.h"
#include "plot_ternary_records.h"
#include "plot_variants.h"
#include "support/loaded_plugin.h"

namespace {

TEST(TernaryDlopen, MostrarWithRecordsDrawsOrFails) {
  plot::testing::LoadedPlugin plugin("ternary", 2);
  ASSERT_NE(plugin.handle, nullptr);
  auto create = plugin.create;
  auto release = plugin.release;
  auto call = plugin.call;
  auto shown = plugin.viewer_shown;
  auto picture = plugin.viewer_picture;
  auto close = plugin.viewer_close;

  auto points = std::make_unique<Vector_Punts>();
  auto grid = std::make_unique<Vector_Graella>();
  auto components = std::make_unique<Vector_Punts_PC>();
  // One grid line across the middle.
  grid->nPuntsGrid = 1;
  grid->VPG[2].Punts1[1] = {0.25, 0.433, {0, 0, 0}, 0};
  grid->VPG[3].Punts2[1] = {0.75, 0.433, {0, 0, 0}, 0};
  const plot_string names[3] = {{"A", 1}, {"B", 1}, {"C", 1}};
  const plot_variant arguments[4] = {
      plot_variant_record(PLOT_VECTOR_PUNTS_NAME, points.get(), sizeof(Vector_Punts)),
      plot_variant_record(PLOT_VECTOR_GRAELLA_NAME, grid.get(), sizeof(Vector_Graella)),
      plot_variant_record(PLOT_VECTOR_PUNTS_PC_NAME, components.get(), sizeof(Vector_Punts_PC)),
      plot_variant_strings(1, 3, names)};

  plot_object* data = nullptr;
  ASSERT_EQ(create("CDades_Ternary", &data, nullptr), 0);
  plot_error error{};
  points->long_ = 502;
  EXPECT_EQ(call(data, "mostrar", arguments, 4, nullptr, &error), 9);
  EXPECT_EQ(error.number, 9);
  EXPECT_EQ(std::string(error.text), "Subscript out of range");
  EXPECT_EQ(shown(), 0);

  points->long_ = 0;
  ASSERT_EQ(call(data, "mostrar", arguments, 4, nullptr, &error), 0) << error.text;
  EXPECT_NE(shown(), 0);
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgb(static_cast<std::size_t>(picture(nullptr, 0, &width, &height)));
  picture(rgb.data(), static_cast<int32_t>(rgb.size()), &width, &height);
  int red = 0;
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
    red += rgb[i] == 255 && rgb[i + 1] == 0 && rgb[i + 2] == 0;
  EXPECT_GT(red, 100);  // the dashed grid line

  close(&error);
  release(data);
}

}  // namespace
