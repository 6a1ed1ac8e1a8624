// The host's group names in the ternary diagram's legend, which every plot draws alike.
#include <gtest/gtest.h>

#include <string>

#include "ternary_viewer.h"

namespace plot::testing {
namespace {

// A diagram of three groups; the legend's rows go down from (1, 1) 0.05 apart.
Image shown(bool formes, const StringArray& names) {
  TernaryViewer v;
  v.data.formes = Boolean(formes);
  v.data.nGrups = 3;
  v.data.nomsGrups = names;
  v.add_point(0.5, 0.3, {1, 0, 0}, 2);
  v.show();
  return TernaryViewer::picture();
}

// Window pixels that differ between two pictures, and whether all lie in the legend's text.
struct Difference {
  int pixels = 0;
  bool outside_legend_text = false;
};

Difference difference(const Image& a, const Image& b) {
  const WindowPoint text_start = TernaryViewer::at(1.03, 0);
  const WindowPoint below_row_3 = TernaryViewer::at(0, 1 - 2 * 0.05 - 0.04);
  const WindowPoint above_row_1 = TernaryViewer::at(0, 1 + 0.04);
  Difference d;
  for (int32_t y = 0; y < a.height; ++y)
    for (int32_t x = 0; x < a.width; ++x) {
      if (std::equal(a.pixel(x, y), a.pixel(x, y) + 3, b.pixel(x, y))) continue;
      ++d.pixels;
      const double up = a.height - 1 - y;  // window y, as WindowPoint has it
      if (x < text_start.x || up < below_row_3.y || up > above_row_1.y)
        d.outside_legend_text = true;
    }
  return d;
}

TEST(GroupNames, ReplaceOnlyTheLegendTextInBothModes) {
  for (const bool formes : {false, true}) {
    const Image plain = shown(formes, {});
    const Image named = shown(formes, StringArray(1, {"Basalt", "Granit", "Gneis"}));
    const Difference d = difference(plain, named);
    EXPECT_GT(d.pixels, 100) << formes;
    EXPECT_FALSE(d.outside_legend_text) << formes;
  }
}

TEST(GroupNames, AccentsDrawnAndGlyphlessCharactersAsQuestionMarks) {
  struct Case {
    const char* name;
    const char* compared;
    bool same;
  };
  for (const Case c : {Case{"S\u00edlice", "Silice", false},  // the accent is drawn
                       Case{"S\u00edlice", "S?lice", false},
                       Case{"\u4e2d\u03a9", "??", true},  // outside the code page
                       Case{"a\tb", "a?b", true}}) {      // a control character
    const Image a = shown(false, StringArray(1, {c.name, "b", "c"}));
    const Image b = shown(false, StringArray(1, {c.compared, "b", "c"}));
    EXPECT_EQ(difference(a, b).pixels == 0, c.same) << c.name;
  }
}

TEST(GroupNames, BadNamesAreRunTimeErrorsWithoutAWindow) {
  const std::string longest(kMaxGroupNameLength, 'x');
  std::string accented_longest;
  for (int i = 0; i < kMaxGroupNameLength; ++i) accented_longest += "\u00e9";
  struct Case {
    StringArray names;
    int32_t error;
  };
  const Case cases[] = {
      {StringArray(1, {"a", "b"}), 9},                 // fewer names than groups
      {StringArray(0, {"a", "b", "c"}), 9},            // bounds from 0
      {StringArray(2, {"a", "b", "c"}), 9},            // bounds from 2
      {StringArray(1, {"a", longest + "x", "c"}), 6},  // one character too many
      {StringArray(1, {"a", "b", "c", longest + "y"}), 6},
      {StringArray(1, {"a", accented_longest, longest}), 0},  // characters, not bytes
  };
  for (const Case& c : cases) {
    TernaryViewer v;
    v.data.nGrups = 3;
    v.data.nomsGrups = c.names;
    EXPECT_EQ(v.show_error(), c.error) << c.names.lower() << " to " << c.names.upper();
    const ViewerForm* form = plugin_definition().existing_form();
    EXPECT_EQ(form != nullptr && form->shown(), c.error == 0);
  }
}

}  // namespace
}  // namespace plot::testing
