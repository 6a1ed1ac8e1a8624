#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <string>

#include "core/errors/fixed_array.h"
#include "core/exchange/exchange_file.h"
#include "tests/exchange/exchange_test_support.h"

namespace plot::testing {
namespace {

// A points table read until the end of the file, as the 3D plug-ins keep theirs.
struct PointsTable {
  FixedArray<std::array<double, 5>, 0, 5999> rows;
  int16_t count = 0;
};

void read_points(ExchangeReader& in, PointsTable& points) {
  points.count = 0;
  while (!in.at_end()) {
    auto& row = points.rows(points.count);
    for (double& value : row) value = in.read_double();
    ++points.count;
  }
}

std::string points_file(int rows) {
  std::string text;
  for (int n = 1; n <= rows; ++n)
    text += std::to_string(n) + ".5,-" + std::to_string(n) + ",1.25E-02," + std::to_string(n % 11) +
            ",0\r\n";
  return text;
}

using ExchangeFileRule = ProfileFolderTest;

TEST_F(ExchangeFileRule, FileReadWholeIsDeleted) {
  // Values after the last one asked for are not read and do not keep the file.
  write_file(file("opcions.qvm"), "3,\"ALR\",unread,9\r\n");
  int16_t number = 0;
  std::string name;
  EXPECT_TRUE(read_exchange_file("\\opcions.qvm", [&](ExchangeReader& in) {
    number = in.read_int16();
    name = in.read_string();
  }));
  EXPECT_EQ(number, 3);
  EXPECT_EQ(name, "ALR");
  EXPECT_FALSE(std::filesystem::exists(file("opcions.qvm")));
  EXPECT_TRUE(messages.empty());
}

TEST_F(ExchangeFileRule, MissingOrEmptyFileShowsTheMessageAndStays) {
  bool called = false;
  const auto read = [&](ExchangeReader&) { called = true; };
  EXPECT_FALSE(read_exchange_file("\\absent.qvm", read));
  write_file(file("empty.qvm"), "");
  EXPECT_FALSE(read_exchange_file("\\empty.qvm", read));
  std::filesystem::create_directory(file("folder.qvm"));
  EXPECT_FALSE(read_exchange_file("\\folder.qvm", read));
  EXPECT_FALSE(called);
  EXPECT_TRUE(std::filesystem::exists(file("empty.qvm")));
  EXPECT_EQ(messages, std::vector<std::string>(3, "No exiteix el fitxer de dades"));
}

TEST_F(ExchangeFileRule, UnreadableFileIsNeitherReadNorDeleted) {
  write_file(file("locked.qvm"), "1\r\n");
  std::filesystem::permissions(file("locked.qvm"), std::filesystem::perms::none);
  if (FILE* probe = std::fopen(file("locked.qvm").c_str(), "rb")) {
    std::fclose(probe);
    GTEST_SKIP() << "permissions do not stop this user";
  }
  EXPECT_FALSE(read_exchange_file("\\locked.qvm", [](ExchangeReader&) {}));
  EXPECT_TRUE(std::filesystem::exists(file("locked.qvm")));
  EXPECT_EQ(messages.size(), 1u);
}

// A failed delete is ignored: a read-only folder keeps the file, and the next read plots the
// same data again without a word. Hosts are told so (README).
TEST_F(ExchangeFileRule, FileInAReadOnlyFolderIsReadAgainSilently) {
  write_file(file("dades.qvm"), "7\r\n");
  using std::filesystem::perms;
  std::filesystem::permissions(file("dades.qvm"), perms::group_read | perms::others_read,
                               std::filesystem::perm_options::add);
  const auto read_only = perms::owner_read | perms::owner_exec | perms::group_read |
                         perms::group_exec | perms::others_read | perms::others_exec;
  std::filesystem::permissions(folder, read_only);
  // Permissions do not stop root: read as nobody for the while.
  const bool as_root = geteuid() == 0;
  if (as_root) {
    ASSERT_EQ(seteuid(65534), 0);
  }
  int16_t first = 0;
  int16_t second = 0;
  const bool read_first =
      read_exchange_file("\\dades.qvm", [&](ExchangeReader& in) { first = in.read_int16(); });
  const bool read_second =
      read_exchange_file("\\dades.qvm", [&](ExchangeReader& in) { second = in.read_int16(); });
  if (as_root) {
    ASSERT_EQ(seteuid(0), 0);
  }
  std::filesystem::permissions(folder, perms::owner_all);
  EXPECT_TRUE(read_first && read_second);
  EXPECT_EQ(first * 10 + second, 77);
  EXPECT_TRUE(std::filesystem::exists(file("dades.qvm")));
  EXPECT_TRUE(messages.empty());
}

TEST_F(ExchangeFileRule, ReadErrorClosesAndKeepsTheFile) {
  const std::string bad = "1,2,word,4\r\n";
  write_file(file("bad.qvm"), bad);
  const std::size_t descriptors = open_descriptor_count();
  const auto error = error_of([&] {
    read_exchange_file("\\bad.qvm", [](ExchangeReader& in) {
      for (int i = 0; i < 4; ++i) in.read_double();
    });
  });
  EXPECT_EQ(error, ErrorNumber::TypeMismatch);
  EXPECT_EQ(open_descriptor_count(), descriptors);
  EXPECT_EQ(file_contents(file("bad.qvm")), bad);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ExchangeFileRule, PointsFileOfExactly6000RowsIsReadWhole) {
  write_file(file("punts.qvm"), points_file(6000));
  auto points = std::make_unique<PointsTable>();
  EXPECT_TRUE(
      read_exchange_file("\\punts.qvm", [&](ExchangeReader& in) { read_points(in, *points); }));
  EXPECT_EQ(points->count, 6000);
  EXPECT_DOUBLE_EQ(points->rows(5999)[0], 6000.5);
  EXPECT_DOUBLE_EQ(points->rows(5999)[1], -6000);
  EXPECT_DOUBLE_EQ(points->rows(5999)[3], 6000 % 11);
  EXPECT_DOUBLE_EQ(points->rows(1234)[2], 0.0125);
  EXPECT_FALSE(std::filesystem::exists(file("punts.qvm")));
}

TEST_F(ExchangeFileRule, Row6001IsOutOfRangeAndTheFileStays) {
  const std::string text = points_file(6001);
  write_file(file("punts.qvm"), text);
  auto points = std::make_unique<PointsTable>();
  EXPECT_EQ(error_of([&] {
              read_exchange_file("\\punts.qvm",
                                 [&](ExchangeReader& in) { read_points(in, *points); });
            }),
            ErrorNumber::SubscriptOutOfRange);
  EXPECT_EQ(points->count, 6000);
  EXPECT_EQ(file_contents(file("punts.qvm")), text);
}

TEST_F(ExchangeFileRule, FolderFromUserProfileElseHome) {
  const auto home = make_temp_folder();
  write_file(home / "dades.qvm", "5");
  write_file(file("dades.qvm"), "9");
  int16_t value = 0;
  const auto read = [&](ExchangeReader& in) { value = in.read_int16(); };
  {
    ScopedEnvironment home_variable("HOME", home.c_str());
    EXPECT_TRUE(read_exchange_file("\\dades.qvm", read));
    EXPECT_EQ(value, 9);
    ScopedEnvironment unset("USERPROFILE", nullptr);
    EXPECT_TRUE(read_exchange_file("\\dades.qvm", read));
    EXPECT_EQ(value, 5);
  }
  {
    ScopedEnvironment no_profile("USERPROFILE", nullptr);
    ScopedEnvironment no_home("HOME", nullptr);
    EXPECT_EQ(exchange_folder(), std::nullopt);
    EXPECT_FALSE(read_exchange_file("\\dades.qvm", read));
    ScopedEnvironment not_a_folder("USERPROFILE", "/proc/self/status");
    EXPECT_EQ(exchange_folder(), std::nullopt);
  }
  EXPECT_EQ(messages.size(), 1u);
  std::filesystem::remove_all(home);
}

TEST(ExchangeFilePath, LeadingBackslashIsTheSeparator) {
  EXPECT_EQ(exchange_file_path("/home/u", "\\opcionsBiplot.qvm"), "/home/u/opcionsBiplot.qvm");
  EXPECT_EQ(exchange_file_path("/home/u/", "\\puntsBiplot.qvm"), "/home/u/puntsBiplot.qvm");
}

}  // namespace
}  // namespace plot::testing
