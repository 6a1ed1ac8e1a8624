#include "core/text/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace plot {
namespace {

TEST(NumberText, Int16IsPlainDecimal) {
  EXPECT_EQ(int16_text(0), "0");
  EXPECT_EQ(int16_text(3), "3");
  EXPECT_EQ(int16_text(-32768), "-32768");
  EXPECT_EQ(int16_text(32767), "32767");
}

TEST(NumberText, SingleFixedNotation) {
  EXPECT_EQ(single_text(0.75f, "."), "0.75");
  EXPECT_EQ(single_text(2.0f / 3.0f, "."), "0.6666667");
  EXPECT_EQ(single_text(-0.5f, "."), "-0.5");
  EXPECT_EQ(single_text(0.0f, "."), "0");
  EXPECT_EQ(single_text(-0.0f, "."), "0");
  EXPECT_EQ(single_text(1.0f, "."), "1");
  EXPECT_EQ(single_text(100.0f, "."), "100");
  EXPECT_EQ(single_text(0.1f, "."), "0.1");
  EXPECT_EQ(single_text(1234567.0f, "."), "1234567");
  EXPECT_EQ(single_text(0.0001f, "."), "0.0001");
  EXPECT_EQ(single_text(0.00012345f, "."), "0.00012345");
  EXPECT_EQ(single_text(123.456f, "."), "123.456");
}

TEST(NumberText, SingleExponentFormBeyondSevenDigitsOrBelowTenThousandth) {
  EXPECT_EQ(single_text(1e-05f, "."), "1E-05");
  EXPECT_EQ(single_text(1.5e-05f, "."), "1.5E-05");
  EXPECT_EQ(single_text(1.5e+07f, "."), "1.5E+07");
  EXPECT_EQ(single_text(1e+07f, "."), "1E+07");
  EXPECT_EQ(single_text(12345678.0f, "."), "1.234568E+07");
  EXPECT_EQ(single_text(-3.25e+20f, "."), "-3.25E+20");
  EXPECT_EQ(single_text(3.4028235e+38f, "."), "3.402823E+38");
  EXPECT_EQ(single_text(1.401298e-45f, "."), "1.401298E-45");
  // Rounding to seven digits can carry into the next decade and into exponent form.
  EXPECT_EQ(single_text(9999999.0f, "."), "9999999");
  EXPECT_EQ(single_text(0.0999999940f, "."), "0.09999999");
  EXPECT_EQ(single_text(0.000099999999f, "."), "0.0001");
}

TEST(NumberText, ExactTiesRoundAwayFromZero) {
  EXPECT_EQ(single_text(654322.25f, "."), "654322.3");
  EXPECT_EQ(single_text(-654322.25f, "."), "-654322.3");
  EXPECT_EQ(single_text(1.0000005f, "."), "1");  // just below the tie as a float
  EXPECT_EQ(single_text(12345.125f, "."), "12345.13");
  EXPECT_EQ(single_text(0.5f, "."), "0.5");
}

TEST(NumberText, DecimalSeparatorIsGiven) {
  EXPECT_EQ(single_text(0.75f, ","), "0,75");
  EXPECT_EQ(single_text(1.5e+07f, ","), "1,5E+07");
  EXPECT_EQ(single_text(42.0f, ","), "42");
}

// Makes a comma-decimal locale current for LC_NUMERIC, compiling one into a temporary folder
// when the system has none installed.
bool use_comma_locale() {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "es_ES.UTF-8"})
    if (std::setlocale(LC_NUMERIC, name) != nullptr) return true;
  const auto folder = std::filesystem::temp_directory_path() / "plot_number_text_locales";
  std::filesystem::create_directories(folder);
  const std::string command =
      "localedef -i de_DE -f UTF-8 '" + (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  setenv("LOCPATH", folder.c_str(), 1);
  const bool made = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  unsetenv("LOCPATH");
  return made;
}

TEST(NumberText, SeparatorFollowsTheNumericLocale) {
  EXPECT_EQ(single_text(0.75f), "0.75");  // the C locale of a process that set none
  if (!use_comma_locale()) GTEST_SKIP() << "no comma-decimal locale available";
  EXPECT_EQ(single_text(0.75f), "0,75");
  EXPECT_EQ(single_text(1e-05f), "1E-05");
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(single_text(0.75f), "0.75");
}

TEST(NumberText, WithBlankAppendsOne) {
  EXPECT_EQ(with_blank("Grup " + int16_text(3)), "Grup 3 ");
  EXPECT_EQ(with_blank(""), " ");
}

}  // namespace
}  // namespace plot
