// The user's file to compositions: what a well-formed file gives, and the message every bad
// input gets (file, row, column).
#include <gtest/gtest.h>

#include <string>

#include "input/composition_table.h"
#include "input/csv_table.h"

namespace {

CompositionRequest req(std::vector<std::string> parts = {}, const char* group = nullptr,
                       double zero_replace = 0) {
  CompositionRequest r;
  r.parts = std::move(parts);
  if (group != nullptr) r.group = group;
  if (zero_replace > 0) r.zero_replace = zero_replace;
  return r;
}

CompositionTable compositions(const std::string& text, CompositionRequest request = {}) {
  return select_compositions(parse_csv("data.csv", text), request);
}

TEST(CsvInput, SemicolonsQuotesAndByteOrderMark) {
  const auto t = compositions(
      "\xEF\xBB\xBFid;\"Si;O2\";Al;rock\r\n"
      "a;\"1.5\";0.5;\"basalt; fresh\"\r\n"
      "\r\n"
      "b;3;1;granite\r\n",
      req({}, "rock"));
  EXPECT_EQ(t.part_names, (std::vector<std::string>{"Si;O2", "Al"}));
  EXPECT_DOUBLE_EQ(t.parts(0, 0), 0.75);
  EXPECT_DOUBLE_EQ(t.parts(1, 1), 0.25);
  EXPECT_EQ(t.groups, (std::vector<std::string>{"basalt; fresh", "granite"}));
  EXPECT_EQ(t.group, (std::vector<int>{1, 2}));
}

TEST(CsvInput, ZeroReplacementIsTheOnlyWayPastAZero) {
  const auto t = compositions("a,b,c\n0,1,3\n", req({}, nullptr, 0.1));
  EXPECT_DOUBLE_EQ(t.parts(0, 0), 0.1);
  EXPECT_DOUBLE_EQ(t.parts(0, 1), 0.225);
  EXPECT_DOUBLE_EQ(t.parts(0, 2), 0.675);
}

TEST(CsvInput, BadInputNamesFileRowAndColumn) {
  struct Case {
    std::string text;
    CompositionRequest request;
    std::string message;
  };
  const std::string eleven_groups = [] {
    std::string s = "a,b,g\n";
    for (int i = 0; i < 11; ++i) s += "1,2,g" + std::to_string(i) + "\n";
    return s;
  }();
  const Case cases[] = {
      {"", {}, "data.csv: the file is empty"},
      {"a,b\n", {}, "data.csv: the file has no data rows"},
      {"a,b\n1,2\n", req({"a", "c"}), "data.csv: no column \"c\" (the header has \"a\", \"b\")"},
      {"a,b\n1,2\n", req({"b", "a", "b"}), "data.csv: the part \"b\" is named twice in --parts"},
      {"a,b\n1,2\n3,x\n", {}, "data.csv: row 3, column \"b\": \"x\" is not a number"},
      {"a,b\n1,2\n3, \n", {}, "data.csv: row 3, column \"b\": the cell is empty"},
      {"a,b\n1,0\n", {}, "data.csv: row 2, column \"b\": the part is 0; log-ratios need positive"},
      {"a,b\n1,-2\n", {}, "data.csv: row 2, column \"b\": -2 is negative"},
      {"a,b\n1,2,3\n", {}, "data.csv: row 2 has 3 cells, the header has 2"},
      {"a,b\n\"1,2\n", {}, "data.csv: row 2: malformed CSV"},
      {"a,name\n1,x\n", {}, "data.csv: a composition needs two parts or more"},
      {eleven_groups, req({}, "g"),
       "data.csv: column \"g\" has 11 groups, the plots show at most 10"},
  };
  for (const Case& c : cases) {
    try {
      compositions(c.text, c.request);
      ADD_FAILURE() << "no error for: " << c.text;
    } catch (const InputError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
    }
  }
}

TEST(CsvInput, MissingFileIsNamed) {
  try {
    read_csv("/nonexistent/rocks.csv");
    ADD_FAILURE();
  } catch (const InputError& e) {
    EXPECT_STREQ(e.what(), "/nonexistent/rocks.csv: no such file");
  }
}

}  // namespace
