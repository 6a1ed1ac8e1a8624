#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "tests/exchange/exchange_test_support.h"

namespace plot::testing {
namespace {

TEST(ExchangeReaderLayout, ReadsWhatWriteStatementWrites) {
  auto in = reader_over("\"Biplot, 3D\",12,-1.5,#TRUE#,#FALSE#\r\n-3,.25,1.5E-05,\"\"\r\n");
  EXPECT_EQ(in.read_string(), "Biplot, 3D");
  EXPECT_EQ(in.read_int16(), 12);
  EXPECT_DOUBLE_EQ(in.read_double(), -1.5);
  EXPECT_TRUE(in.read_logical());
  EXPECT_FALSE(in.read_logical());
  EXPECT_EQ(in.read_int16(), -3);
  EXPECT_FLOAT_EQ(in.read_float(), 0.25f);
  EXPECT_DOUBLE_EQ(in.read_double(), 1.5e-5);
  EXPECT_EQ(in.read_string(), "");
  EXPECT_TRUE(in.at_end());
}

// The same five values however they are spread over lines; each must read as 7, 2.5, "a b", true
// and "x", and leave nothing behind.
TEST(ExchangeReaderLayout, OrderMattersNotLines) {
  const char* layouts[] = {
      "7,2.5,\"a b\",#TRUE#,x",
      "7\r\n2.5\r\n\"a b\"\r\n#TRUE#\r\nx\r\n",
      "7\n2.5\n\"a b\"\n#true#\nx\n",
      "7\r2.5\r\"a b\"\r#TRUE#\rx\r",
      "7,2.5\r\n\"a b\",#TRUE#\nx",
      "  7 ,\t2.5\t,  \"a b\"  ,#TRUE#  \r\n  x  \r\n\r\n  \r\n",
      "7,\r\n2.5,\r\n\r\n\"a b\",#TRUE#,x",
      ("\xEF\xBB\xBF"
       "7,2.5,\"a b\",#TRUE#,x\r\n"),
  };
  for (const char* layout : layouts) {
    SCOPED_TRACE(layout);
    auto in = reader_over(layout);
    EXPECT_EQ(in.read_int16(), 7);
    EXPECT_DOUBLE_EQ(in.read_double(), 2.5);
    EXPECT_EQ(in.read_string(), "a b");
    EXPECT_TRUE(in.read_logical());
    EXPECT_FALSE(in.at_end());
    EXPECT_EQ(in.read_string(), "x");
    EXPECT_TRUE(in.at_end());
    EXPECT_TRUE(in.at_end());
  }
}

TEST(ExchangeReaderLayout, StringsQuotedAndUnquoted) {
  auto in = reader_over(
      "\"  kept, with commas  \",  trimmed words  ,,\"two\r\nlines\",\"closed\" dropped,last");
  EXPECT_EQ(in.read_string(), "  kept, with commas  ");
  EXPECT_EQ(in.read_string(), "trimmed words");
  EXPECT_EQ(in.read_string(), "");
  EXPECT_EQ(in.read_string(), "two\r\nlines");
  EXPECT_EQ(in.read_string(), "closed");
  EXPECT_EQ(in.read_string(), "last");
  EXPECT_TRUE(in.at_end());
}

TEST(ExchangeReaderLayout, EndTestComesBetweenRowsOnly) {
  for (const char* rows : {"1,2\r\n3,4\r\n", "1,2\r\n3,4", "1,2\n3,4\n\n\n  \t", "1,2\r3,4\r"}) {
    SCOPED_TRACE(rows);
    auto in = reader_over(rows);
    int count = 0;
    while (!in.at_end()) {
      EXPECT_EQ(in.read_int16(), 2 * count + 1);
      EXPECT_EQ(in.read_int16(), 2 * count + 2);
      ++count;
    }
    EXPECT_EQ(count, 2);
  }
  EXPECT_TRUE(reader_over("").at_end());
  EXPECT_TRUE(reader_over(" \r\n\t\n").at_end());
  EXPECT_FALSE(reader_over(",").at_end());
}

TEST(ExchangeReaderNumbers, IntegersRoundHalvesToEvenAndMustFit) {
  auto in = reader_over("2.5,3.5,-2.5,0.49,32767,-32768,32767.4,-32768.4,+4,1e2");
  for (int expected : {2, 4, -2, 0, 32767, -32768, 32767, -32768, 4, 100})
    EXPECT_EQ(in.read_int16(), expected);
  for (const char* too_big : {"32767.5", "-32768.5", "40000", "1e10", "1e400"})
    EXPECT_EQ(error_of([&] { reader_over(too_big).read_int16(); }), ErrorNumber::Overflow)
        << too_big;
}

TEST(ExchangeReaderNumbers, FloatsAtTheEdgesOfTheirRange) {
  EXPECT_EQ(reader_over("1e-50").read_float(), 0.0f);
  EXPECT_EQ(reader_over("0.0000000000001e-320").read_double(), 0.0);
  EXPECT_EQ(reader_over("-1e-99999").read_double(), 0.0);
  EXPECT_DOUBLE_EQ(reader_over("1e-310").read_double(), 1e-310);  // Subnormal, not zero.
  EXPECT_DOUBLE_EQ(reader_over("1.7976931348623157E+308").read_double(),
                   std::numeric_limits<double>::max());
  EXPECT_EQ(error_of([] { reader_over("1e39").read_float(); }), ErrorNumber::Overflow);
  EXPECT_EQ(error_of([] { reader_over("-1e400").read_double(); }), ErrorNumber::Overflow);
  EXPECT_EQ(error_of([] { reader_over("1e99999999999999").read_double(); }), ErrorNumber::Overflow);
}

TEST(ExchangeReaderNumbers, PointIsTheSeparatorUnderAnyLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no comma locale here";
  auto in = reader_over("1.25,-0.5,2.5");
  const double first = in.read_double();
  const float second = in.read_float();
  const int16_t third = in.read_int16();
  const auto comma = error_of([] { reader_over("1,5").read_int16(); });
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_DOUBLE_EQ(first, 1.25);
  EXPECT_FLOAT_EQ(second, -0.5f);
  EXPECT_EQ(third, 2);
  EXPECT_EQ(comma, std::nullopt);  // "1,5" is two values, 1 and 5.
}

TEST(ExchangeReaderNumbers, LogicalsAreMarksOrNumbers) {
  auto in = reader_over("#TRUE#,#False#,0,2,-1,0.0");
  for (bool expected : {true, false, false, true, true, false})
    EXPECT_EQ(in.read_logical(), expected);
  EXPECT_EQ(error_of([] { reader_over("maybe").read_logical(); }), ErrorNumber::TypeMismatch);
}

TEST(ExchangeReaderErrors, WordsWhereNumbersAreDue) {
  for (const char* word : {"abc", "1 2", "inf", "nan", "0x10", "1e", "1e+", ".", "-", "--1",
                           "1.2.3", "#TRUE#", "\"\"", ",1"}) {
    SCOPED_TRACE(word);
    EXPECT_EQ(error_of([&] { reader_over(word).read_double(); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(error_of([&] { reader_over(word).read_int16(); }), ErrorNumber::TypeMismatch);
  }
  EXPECT_EQ(error_of([] { reader_over("\"12\"").read_int16(); }), std::nullopt);
}

TEST(ExchangeReaderErrors, InputPastEndOfFile) {
  EXPECT_EQ(error_of([] { reader_over("").read_int16(); }), ErrorNumber::InputPastEndOfFile);
  EXPECT_EQ(error_of([] { reader_over("\r\n  \r\n").read_string(); }),
            ErrorNumber::InputPastEndOfFile);
  auto in = reader_over("1,2,3\r\n");
  in.read_double();
  in.read_double();
  in.read_double();
  EXPECT_EQ(error_of([&] { in.read_double(); }), ErrorNumber::InputPastEndOfFile);
}

TEST(ExchangeReaderErrors, ValueLongerThanAnyFieldOverflows) {
  const std::string longest(ExchangeReader::kMaxValueLength, 'a');
  EXPECT_EQ(reader_over(longest + ",b").read_string(), longest);
  EXPECT_EQ(error_of([&] { reader_over("\"" + longest + "a\"").read_string(); }),
            ErrorNumber::Overflow);
}

TEST(ExchangeReaderText, Utf8StaysWindows1252IsConverted) {
  EXPECT_EQ(reader_over("\"Caf\xC3\xA9\"").read_string(), "Caf\xC3\xA9");
  EXPECT_EQ(reader_over("\"Caf\xE9\",\"\x80\"").read_string(), "Caf\xC3\xA9");
  // One byte that is not UTF-8 anywhere in the file decides for the whole file.
  auto in = reader_over("\"\xC3\xA9\",\"\xE9\"");
  EXPECT_EQ(in.read_string(), "\xC3\x83\xC2\xA9");
  EXPECT_EQ(in.read_string(), "\xC3\xA9");
}

TEST(ExchangeReaderText, Utf8SequenceAcrossReadChunks) {
  // Put a three-byte character across the 64 KiB boundary of both the reader and the check.
  for (std::size_t before : {65534u, 65535u, 65536u}) {
    std::string bytes(before - 1, ' ');
    bytes += "\"\xE2\x82\xAC\"";
    SCOPED_TRACE(before);
    EXPECT_EQ(reader_over(bytes).read_string(), "\xE2\x82\xAC");
    EXPECT_EQ(reader_over(bytes + "\xE2\x82").read_string(), "\xC3\xA2\xE2\x80\x9A\xC2\xAC");
  }
}

}  // namespace
}  // namespace plot::testing
