// The command line as plot_host reads it: a plot's --size is WIDTHxHEIGHT in whole pixels, and
// anything else a usage error.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <variant>

#include "cli/command_line.h"

namespace {

TEST(CommandLine, SizeIsWidthByHeightInWholePixels) {
  struct Case {
    const char* size;
    std::optional<std::array<int, 2>> parsed;  // none: a usage error
  };
  const Case cases[] = {{"918x734", {{918, 734}}},
                        {"1X734", {{1, 734}}},
                        {"918x733", {}},
                        {"8192x4096", {{8192, 4096}}},
                        {"0x800", {}},
                        {"800x-1", {}},
                        {"800", {}},
                        {"800x", {}},
                        {"x800", {}},
                        {"800x800x", {}},
                        {"800*800", {}},
                        {"800.5x800", {}},
                        {" 800x800", {}},
                        {"800x 800", {}},
                        {"+800x800", {}},
                        {"4294968096x800", {}},
                        {"800x99999999999", {}}};
  for (const Case& c : cases) {
    const char* argv[] = {"plot_host", "ternary", "rocks.csv", "--size", c.size};
    const Command command = parse_command_line(5, argv);
    if (c.parsed) {
      ASSERT_TRUE(std::holds_alternative<PlotRequest>(command)) << c.size;
      EXPECT_EQ(std::get<PlotRequest>(command).size, c.parsed) << c.size;
    } else {
      ASSERT_TRUE(std::holds_alternative<int>(command)) << c.size;
      EXPECT_NE(std::get<int>(command), 0) << c.size;
    }
  }
}

}  // namespace
