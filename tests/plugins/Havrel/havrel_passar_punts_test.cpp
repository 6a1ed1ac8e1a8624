// Passar_Punts with the 3D records: part of the interface, copied and kept, never drawn.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "biplot3d_plugin.h"

namespace plot {
namespace {

TEST(HavrelPassarPunts, KeepsItsOwnCopiesOnceTheHostReusesItsRecords) {
  auto points = std::make_unique<Vector_Punts_bi_3D>();
  auto rays = std::make_unique<Vector_Linies_3D>();
  char name[] = "Ca";
  points->Punts[50] = {0.1, 0.2, 0.3, {1, 0, 0}, 4, -1};
  rays->nomeixos[20] = {name, 2};
  rays->Punts[20].z = -0.5;
  rays->Rang = 20;
  StringArray coor(0, {"x", "PC1", "PC2", "PC3"});
  auto renderer = std::make_unique<COpenGL_Havrel>();
  renderer->Passar_Punts(*points, *rays, coor);
  std::strcpy(name, "Zz");
  points->Punts[50].z = 9;

  EXPECT_DOUBLE_EQ(renderer->records().observations.Punts[50].z, 0.3);
  EXPECT_EQ(renderer->records().rays.nomeixos(20), "Ca");
  EXPECT_DOUBLE_EQ(renderer->records().rays.Punts[20].z, -0.5);
  EXPECT_EQ(renderer->records().rays.rang, 20);
  EXPECT_EQ(renderer->records().coor(3), "PC3");
  EXPECT_EQ(renderer->tables().nPunts, 0);
}

}  // namespace
}  // namespace plot
