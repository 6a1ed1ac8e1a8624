// mostrar as a host calls it, through the C interface: what fails, with which error, and
// whether the window then shows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "plot_plugin.h"
#include "support/host_call.h"
#include "ternary_viewer.h"

namespace plot::testing {
namespace {

class TernaryInterface : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(plot_create("CDades_Ternary", &data_, nullptr), 0);
    for (int i = 0; i < 3; ++i) v.add_point(0.2 + 0.2 * i, 0.2, {1, 0, 0}, 1);
  }
  void TearDown() override { plot_release(data_); }

  void put(const char* property, plot_variant value) {
    EXPECT_EQ(plot_put(data_, property, &value, nullptr), 0) << property;
    plot_variant_clear(&value);  // a string made by variant_of is ours to free
  }

  // mostrar with `coor` bounded lower To upper; the error number, 0 for none.
  int32_t mostrar(int32_t lower = 1, int32_t upper = 3,
                  const char* grid_name = PLOT_VECTOR_GRAELLA_NAME) {
    if (ViewerForm* form = plugin_definition().existing_form()) form->window().unload();
    std::vector<plot_string> names;
    plot_variant arguments[4] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_NAME, &v.points(), sizeof(Vector_Punts)),
        plot_variant_record(grid_name, &v.grid(), sizeof(Vector_Graella)),
        plot_variant_record(PLOT_VECTOR_PUNTS_PC_NAME, &v.components(), sizeof(Vector_Punts_PC)),
        names_argument(lower, upper, names)};
    return call_mostrar(data_, arguments, 4);
  }

  TernaryViewer v;
  plot_object* data_ = nullptr;
};

TEST_F(TernaryInterface, CountsBeyondTheRecordsFailWhileDrawing) {
  struct Case {
    const char* what;
    std::function<void(TernaryViewer&)> change;
    int32_t error;
  };
  const std::vector<Case> cases = {
      {"501 points", [](TernaryViewer& t) { t.points().long_ = 501; }, 0},
      {"502 points", [](TernaryViewer& t) { t.points().long_ = 502; }, 9},
      {"10 grid lines", [](TernaryViewer& t) { t.grid().nPuntsGrid = 10; }, 0},
      {"11 grid lines", [](TernaryViewer& t) { t.grid().nPuntsGrid = 11; }, 9},
      {"label overflow",
       [](TernaryViewer& t) {
         t.grid().nPuntsGrid = 1;
         t.grid().VPG[1].Punts1[1].X = 400;
       },
       6},
  };
  for (const Case& c : cases) {
    TernaryViewer fresh;
    v.points() = fresh.points();
    v.grid() = fresh.grid();
    v.points().long_ = 3;
    c.change(v);
    EXPECT_EQ(mostrar(), c.error) << c.what;
  }
}

TEST_F(TernaryInterface, ComponentCountsFailOnlyWhenTheyAreDrawn) {
  put("graella", variant_of(std::string("pc")));
  v.components().long1 = 151;
  v.components().long2 = 151;
  EXPECT_EQ(mostrar(), 0);
  v.components().long1 = 152;
  EXPECT_EQ(mostrar(), 9);
  v.components().long1 = 151;
  v.components().long2 = 152;
  EXPECT_EQ(mostrar(), 9);
  put("graella", variant_of(std::string("Error")));
  EXPECT_EQ(mostrar(), 0);
}

TEST_F(TernaryInterface, LegendGroupsBeyondTheColourTable) {
  put("nGrups", variant_of(int16_t{10}));
  EXPECT_EQ(mostrar(), 0);
  put("nGrups", variant_of(int16_t{11}));
  EXPECT_EQ(mostrar(), 9);
  // Shape mode: group 11 has no marker and draws none.
  put("formes", variant_of(Boolean(true)));
  EXPECT_EQ(mostrar(), 0);
}

TEST_F(TernaryInterface, CoorNeedsElementsOneToThree) {
  EXPECT_EQ(mostrar(0, 2), 9);
  EXPECT_EQ(mostrar(2, 4), 9);
  EXPECT_EQ(mostrar(1, 3), 0);
  EXPECT_EQ(mostrar(0, 5), 0);
  EXPECT_EQ(v.renderer().records().coor(1), "B");  // element 1 of 0 To 5
  EXPECT_EQ(v.renderer().records().coor(3), "D");
}

TEST_F(TernaryInterface, RecordsAreCheckedByNameAndCopied) {
  EXPECT_EQ(mostrar(1, 3, PLOT_VECTOR_PUNTS_NAME), 13);
  EXPECT_EQ(mostrar(), 0);
  ViewerForm* first = plugin_definition().existing_form();
  Renderer* first_renderer = first->renderer();
  // The renderer has its own copy: the host's later change is not drawn.
  v.points().Punts[0].X = 0.9;
  EXPECT_EQ(v.renderer().records().points.Punts[0].X, 0.2);
  // A second mostrar reuses the form with a new renderer and the new data.
  EXPECT_EQ(mostrar(), 0);
  EXPECT_EQ(plugin_definition().existing_form(), first);
  EXPECT_NE(first->renderer(), first_renderer);
  EXPECT_EQ(v.renderer().records().points.Punts[0].X, 0.9);
}

}  // namespace
}  // namespace plot::testing
