// Passar_Punts with the 3D records: part of the interface, copied and kept, never drawn.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "havrel_classes.h"
#include "plot_plugin.h"

namespace plot {
namespace {

struct HostRecords {
  Vector_Punts_bi_3D points{};
  Vector_Linies_3D rays{};
  char name[8] = "Ca";
};

TEST(HavrelPassarPunts, KeepsItsOwnCopiesOnceTheHostReusesItsRecords) {
  auto host = std::make_unique<HostRecords>();
  host->points.Punts[50] = {0.1, 0.2, 0.3, {1, 0, 0}, 4, -1};
  host->points.long_ = 51;
  host->rays.nomeixos[20] = {host->name, 2};
  host->rays.Punts[20].z = -0.5;
  host->rays.cpe[20] = 0.75f;
  host->rays.long_ = 21;
  host->rays.Rang = 20;
  StringArray coor(0, {"x", "PC1", "PC2", "PC3"});
  auto renderer = std::make_unique<COpenGL_Havrel>();
  renderer->Passar_Punts(host->points, host->rays, coor);
  std::strcpy(host->name, "Zz");
  host->points.Punts[50].z = 9;

  EXPECT_DOUBLE_EQ(renderer->passed_points().Punts[50].z, 0.3);
  EXPECT_EQ(renderer->passed_points().Punts[50].outlier, -1);
  EXPECT_EQ(renderer->passed_rays().nomeixos(20), "Ca");
  EXPECT_DOUBLE_EQ(renderer->passed_rays().Punts[20].z, -0.5);
  EXPECT_FLOAT_EQ(renderer->passed_rays().cpe[20], 0.75f);
  EXPECT_EQ(renderer->passed_rays().rang, 20);
  EXPECT_EQ(renderer->passed_coor(3), "PC3");
  EXPECT_EQ(renderer->tables().nPunts, 0);
}

plot_variant record(const char* name, void* data, int32_t size) {
  plot_variant v{};
  v.type = PLOT_RECORD;
  v.value.record = {name, data, size};
  return v;
}

TEST(HavrelPassarPunts, ThroughTheInterfaceRecordsAreCheckedByNameAndCoorByBounds) {
  auto host = std::make_unique<HostRecords>();
  const plot_string names[3] = {{"a", 1}, {"b", 1}, {"c", 1}};
  struct Case {
    const char* rays_name;
    int32_t lower;
    int32_t error;
  };
  const Case cases[] = {{PLOT_VECTOR_LINIES_3D_NAME, 1, 0},
                        {PLOT_VECTOR_LINIES_NAME, 1, 13},
                        {PLOT_VECTOR_LINIES_3D_NAME, 0, 9}};
  plot_object* renderer = nullptr;
  ASSERT_EQ(plot_create("COpenGL_Havrel", &renderer, nullptr), 0);
  for (const Case& c : cases) {
    plot_variant arguments[3] = {
        record(PLOT_VECTOR_PUNTS_BI_3D_NAME, &host->points, sizeof(Vector_Punts_bi_3D)),
        record(c.rays_name, &host->rays, sizeof(Vector_Linies_3D)),
        {}};
    arguments[2].type = PLOT_STRINGS;
    arguments[2].value.strings = {c.lower, c.lower + 2, names};
    plot_error error{};
    EXPECT_EQ(plot_call(renderer, "Passar_Punts", arguments, 3, nullptr, &error), c.error)
        << c.rays_name << " " << c.lower;
  }
  plot_release(renderer);
}

}  // namespace
}  // namespace plot
