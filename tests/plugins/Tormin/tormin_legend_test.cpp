// The 3D log-ratio plot's legend: rows a line of text apart at the default view, and the names
// of the optional names file.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "core/text/glyph_raster.h"
#include "tormin_viewer.h"

namespace plot::testing {
namespace {

const std::vector<Observation> kOne = {{{2, 3, 4, 1}, 1}};

// The lowest and highest pixel rows of the printable ASCII glyphs, about their baseline.
double text_height() {
  const GlyphSet& glyphs = process_glyphs();
  float bottom = 0;
  float top = 0;
  for (int code = 33; code < 127; ++code) {
    const GlyphBitmap& g = glyphs.glyph(static_cast<uint8_t>(code));
    if (!g.present) continue;
    bottom = std::min(bottom, -g.y_origin);
    top = std::max(top, static_cast<float>(g.rows) - g.y_origin);
  }
  return top - bottom;
}

void write_names(const TorminViewer& v, std::initializer_list<std::string> names) {
  ExchangeWriter w(v.profile, plot_group_names);
  for (const std::string& name : names) w.row({name});
  w.close();
}

TEST(TorminLegend, RowsAreALineOfTextApartAtTheDefaultView) {
  TorminViewer v;
  v.write({.nGrups = 3}, kOne);
  ASSERT_EQ(v.show_error(), 0);
  const Image& image = TorminViewer::picture();
  const auto row = [&](int g) {
    const Vec3& o = kLogRatio3dLegend.origin;
    return project(profile_of(PluginKind::Tormin), TorminViewer::kFieldOfView, image.width,
                   image.height, {o.x, o.y - (g - 1) * kLogRatio3dLegend.row_step, o.z});
  };
  ASSERT_GT(text_height(), 20);
  EXPECT_GE(row(2).y - row(3).y, text_height());
}

TEST(TorminLegend, NamesFromTheirFileWhichIsThenDeleted) {
  const auto legend_ink = [](bool named) {
    TorminViewer v;
    v.write({.nGrups = 2}, kOne);
    if (named) write_names(v, {"Quartzita", "Pissarra"});
    EXPECT_EQ(v.show_error(), 0);
    EXPECT_FALSE(v.exists(plot_group_names.name));
    return TorminViewer::picture().rgb;
  };
  EXPECT_FALSE(legend_ink(false) == legend_ink(true));
}

TEST(TorminLegend, ABadNamesFileIsARunTimeErrorAndIsKept) {
  struct Case {
    std::initializer_list<std::string> names;
    int32_t error;
  };
  const Case cases[] = {
      {{"a", "b"}, 62},                                            // fewer names than groups
      {{}, 62},                                                    // none at all
      {{"a", std::string(kMaxGroupNameLength + 1, 'x'), "c"}, 6},  // one too long
  };
  for (const Case& c : cases) {
    TorminViewer v;
    v.write({.nGrups = 3}, kOne);
    write_names(v, c.names);
    EXPECT_EQ(v.show_error(), c.error) << c.names.size();
    EXPECT_TRUE(v.exists(plot_group_names.name));
    const ViewerForm* form = plugin_definition().existing_form();
    EXPECT_FALSE(form != nullptr && form->shown());
  }
}

}  // namespace
}  // namespace plot::testing
