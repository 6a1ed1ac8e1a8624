// Failures reach the host from mostrar with their run-time error number and no window; the
// exchange files are consumed or kept as the reading got on.
#include <gtest/gtest.h>

#include <fstream>

#include "tormin_viewer.h"

namespace plot::testing {
namespace {

constexpr int32_t kInvalid = 5;
constexpr int32_t kOverflow = 6;
constexpr int32_t kSubscript = 9;
constexpr int32_t kDivision = 11;

TEST(TorminFailures, DataErrorsComeWithTheirNumberAndNoWindow) {
  struct Case {
    std::string what;
    TorminOptions options;
    std::vector<Observation> rows;
    int32_t error;
    bool data_kept;  // an error while reading keeps the file, one after it does not
  };
  const TorminOptions alr{.transformacio = "ALR"};
  const TorminOptions balances{.transformacio = "ilr"};
  const Case cases[] = {
      {"zero divisor of the alr", alr, {{{1, 1, 1, 0}}}, kDivision, false},
      {"zero divisor of a balance", balances, {{{1, 1, 0, 1}}}, kDivision, false},
      {"zero numerator", alr, {{{1, 0, 1, 1}}}, kInvalid, false},
      {"two negatives in one alr ratio", alr, {{{-1, 1, 1, -2}}}, kInvalid, false},
      {"two negatives in one balance", balances, {{{-1, -1, 1, 1}}}, kInvalid, false},
      {"a dot of group 11", alr, {{{1, 1, 1, 1}, 11}}, kSubscript, false},
      {"a dot of group -1", alr, {{{1, 1, 1, 1}, -1}}, kSubscript, false},
      {"a dot legend of 11 groups", {.nGrups = 11}, {{{1, 1, 1, 1}}}, kSubscript, false},
      {"a group beyond 16 bits", alr, {{{1, 1, 1, 1}, 40000}}, kOverflow, true},
  };
  for (const Case& c : cases) {
    TorminViewer v;
    v.write(c.options, c.rows);
    EXPECT_EQ(v.show_error(), c.error) << c.what;
    EXPECT_FALSE(v.form().shown()) << c.what;
    EXPECT_FALSE(v.exists(TorminViewer::kOptions)) << c.what;
    EXPECT_EQ(v.exists(TorminViewer::kData), c.data_kept) << c.what;
    EXPECT_TRUE(v.log.messages.empty()) << c.what;
  }
}

TEST(TorminFailures, NoObservationOverflowsTheRangeAndRecord6001HasNoRow) {
  {
    TorminViewer v;
    v.write_options({});
    std::ofstream(v.profile.file(TorminViewer::kData), std::ios::binary) << "\r\n";
    EXPECT_EQ(v.show_error(), kOverflow);
    EXPECT_FALSE(v.form().shown());
  }
  std::vector<Observation> rows(6000, Observation{{1, 2, 3, 4}, 2});
  {
    TorminViewer v;
    v.write({}, rows);
    ASSERT_EQ(v.show_error(), 0);
    EXPECT_EQ(v.renderer().observation_count(), 6000);
    EXPECT_EQ(v.renderer().group(5999), 2);
    EXPECT_FALSE(v.exists(TorminViewer::kData));
  }
  rows.push_back(rows.back());
  TorminViewer v;
  v.write({}, rows);
  EXPECT_EQ(v.show_error(), kSubscript);
  EXPECT_FALSE(v.form().shown());
  EXPECT_FALSE(v.exists(TorminViewer::kOptions));
  EXPECT_TRUE(v.exists(TorminViewer::kData));
}

TEST(TorminFailures, AMissingFileIsReportedAndTheEmptyViewShown) {
  {
    TorminViewer v;
    v.write_data({{{1, 1, 1, 1}}});
    ASSERT_EQ(v.show_error(), 0);
    EXPECT_TRUE(v.form().shown());
    EXPECT_EQ(v.log.messages, std::vector<std::string>{"No exiteix el fitxer de dades"});
    EXPECT_TRUE(v.exists(TorminViewer::kData));
  }
  TorminViewer v;
  v.write_options({});
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_TRUE(v.form().shown());
  EXPECT_EQ(v.log.messages, std::vector<std::string>{"No exiteix el fitxer de dades"});
  EXPECT_FALSE(v.exists(TorminViewer::kOptions)) << "the options are consumed";
}

}  // namespace
}  // namespace plot::testing
