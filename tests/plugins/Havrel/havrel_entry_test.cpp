#include <gtest/gtest.h>

#include "havrel_classes.h"
#include "support/message_log.h"

namespace plot {
namespace {

TEST(HavrelEntry, EveryMostrarReusesTheOneFormWithAFreshRenderer) {
  testing::MessageLog log;
  CDades_Havrel data;
  data.mostrar();
  ViewerForm* form = FormSlot<bi_3D>::existing();
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

  data.mostrar();
  EXPECT_EQ(FormSlot<bi_3D>::existing(), form);
  auto* second = dynamic_cast<COpenGL_Havrel*>(form->renderer());
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_FLOAT_EQ(second->yAngle, 0);
  EXPECT_DOUBLE_EQ(second->m_fieldOfView, 15);
  EXPECT_TRUE(log.messages.empty());
}

}  // namespace
}  // namespace plot
