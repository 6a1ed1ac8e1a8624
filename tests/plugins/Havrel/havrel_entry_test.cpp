#include <gtest/gtest.h>

#include "havrel_viewer.h"

namespace plot {
namespace {

using testing::HavrelViewer;

TEST(HavrelEntry, EveryMostrarReusesTheOneFormWithAFreshRenderer) {
  HavrelViewer v;
  v.write_files({.nGrups = 2, .observation = false});
  v.show();
  ViewerForm* form = plugin_definition().existing_form();
  ASSERT_NE(form, nullptr);
  auto* first = dynamic_cast<COpenGL_Havrel*>(form->renderer());
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(form->shown());
  EXPECT_EQ(form->profile().caption, "Havrel");
  form->window().user_click(ButtonId::Rot_YY);
  form->window().user_click(ButtonId::dec_zoom);
  EXPECT_FLOAT_EQ(first->yAngle, 5);
  EXPECT_DOUBLE_EQ(first->m_fieldOfView, 20);
  form->window().user_close();
  EXPECT_EQ(form->renderer(), first);  // kept until the next mostrar

  v.write_files({.nGrups = 3, .observation = false});
  v.show();
  EXPECT_EQ(plugin_definition().existing_form(), form);
  auto* second = dynamic_cast<COpenGL_Havrel*>(form->renderer());
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_FLOAT_EQ(second->yAngle, 0);
  EXPECT_DOUBLE_EQ(second->m_fieldOfView, 15);
  EXPECT_EQ(second->nGrups, 3);
  EXPECT_TRUE(v.log.messages.empty());
}

TEST(HavrelEntry, TheDataClassFlagsDoNotReachThePlot) {
  HavrelViewer v;
  v.data.printeixos = true;
  v.data.observation = true;
  v.data.outlier_mark = true;
  v.data.labels = true;
  v.data.formes = true;
  v.data.nGrups = 7;
  v.write_files({.nGrups = 1, .observation = false, .modeDibuix = 0, .printeixos = false});
  ASSERT_EQ(v.show_error(), 0);
  const COpenGL_Havrel& r = v.renderer();
  EXPECT_EQ(r.nGrups, 1);
  EXPECT_FALSE(r.observation || r.printeixos || r.outlier_mark || r.labels || r.formes);
}

}  // namespace
}  // namespace plot
