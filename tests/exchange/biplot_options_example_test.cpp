// How a 3D plug-in uses the rule: the biplot's options file, then its cumulative proportions.
#include <string>

#include "core/errors/fixed_array.h"
#include "core/exchange/exchange_file.h"
#include "tests/exchange/exchange_test_support.h"

namespace plot::testing {
namespace {

struct BiplotOptions {
  int16_t nGrups = 0;
  int16_t nLinies = 0;
  bool observation = false;
  int16_t modeDibuix = 0;
  bool printeixos = false;
  bool outlier_mark = false;
  bool labels = false;
  int16_t nRang = 0;
  FixedArray<std::string, 1, 3> coor;
  FixedArray<float, 0, 20> taulaCpe;
};

// What the renderer's Initialize does with the first two files.
bool read_biplot_files(BiplotOptions& o) {
  if (!read_exchange_file("\\opcionsBiplot.qvm", [&](ExchangeReader& in) {
        o.nGrups = in.read_int16();
        o.nLinies = in.read_int16();
        o.observation = in.read_logical();
        o.modeDibuix = in.read_int16();
        o.printeixos = in.read_logical();
        o.outlier_mark = in.read_logical();
        o.labels = in.read_logical();
        o.nRang = in.read_int16();
        for (int32_t i = 1; i <= 3; ++i) o.coor(i) = in.read_string();
      }))
    return false;
  return read_exchange_file("\\rangBiplot.qvm", [&](ExchangeReader& in) {
    for (int32_t j = 1; j <= o.nRang; ++j) o.taulaCpe(j) = in.read_float();
  });
}

using BiplotExample = ProfileFolderTest;

TEST_F(BiplotExample, OptionsAndProportionsAsTheHostWritesThem) {
  write_file(file("opcionsBiplot.qvm"),
             "3,2,#TRUE#,1,#FALSE#,#TRUE#,#FALSE#,3,\"Comp. 1\",\"Comp. 2\",\"Comp. 3\"\r\n");
  write_file(file("rangBiplot.qvm"), ".55\r\n.8\r\n.95\r\n");
  BiplotOptions options;
  ASSERT_TRUE(read_biplot_files(options));
  EXPECT_EQ(options.nGrups, 3);
  EXPECT_EQ(options.nLinies, 2);
  EXPECT_TRUE(options.observation);
  EXPECT_EQ(options.modeDibuix, 1);
  EXPECT_FALSE(options.printeixos);
  EXPECT_TRUE(options.outlier_mark);
  EXPECT_FALSE(options.labels);
  EXPECT_EQ(options.coor(3), "Comp. 3");
  EXPECT_FLOAT_EQ(options.taulaCpe(3), 0.95f);
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(BiplotExample, MissingSecondFileStopsAfterTheFirstIsGone) {
  write_file(file("opcionsBiplot.qvm"), "1,0,#FALSE#,0,#TRUE#,#FALSE#,#FALSE#,0,a,b,c");
  BiplotOptions options;
  EXPECT_FALSE(read_biplot_files(options));
  EXPECT_FALSE(std::filesystem::exists(file("opcionsBiplot.qvm")));
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(BiplotExample, CountAboveTheTableIsOutOfRangeAtValue21) {
  write_file(file("opcionsBiplot.qvm"), "1,0,#FALSE#,0,#TRUE#,#FALSE#,#FALSE#,21,a,b,c");
  std::string proportions;
  for (int j = 1; j <= 21; ++j) proportions += "0.5\r\n";
  write_file(file("rangBiplot.qvm"), proportions);
  BiplotOptions options;
  EXPECT_EQ(error_of([&] { read_biplot_files(options); }), ErrorNumber::SubscriptOutOfRange);
  EXPECT_FLOAT_EQ(options.taulaCpe(20), 0.5f);
  EXPECT_TRUE(std::filesystem::exists(file("rangBiplot.qvm")));
}

}  // namespace
}  // namespace plot::testing
