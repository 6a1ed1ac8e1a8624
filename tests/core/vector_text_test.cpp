// Texts as the vector files write them: escaped for their place in the file, in the encoding of
// each format's font.
#include <gtest/gtest.h>

#include <string>

#include "core/text/vector_text.h"
#include "core/text/windows1252.h"

namespace {

struct Case {
  std::string utf8;
  std::string svg;
  std::string pdf;
  std::string eps;
};

TEST(VectorText, EachFormatGetsItsEscapesAndEncoding) {
  const Case cases[] = {
      {"Grup 3 ", "Grup 3 ", "Grup 3 ", "Grup 3 "},
      {"a<b & c>d", "a&lt;b &amp; c&gt;d", "a<b & c>d", "a<b & c>d"},
      {"S(i)O2 \\", "S(i)O2 \\", "S\\(i\\)O2 \\\\", "S\\(i\\)O2 \\\\"},
      // é: MacRoman 0x8E, Latin-1 0xE9; € has no Latin-1 byte.
      {"Fé €", "Fé €", "F\\216 \\333", "F\\351 ?"},
  };
  for (const Case& c : cases) {
    const std::string codes = plot::utf8_to_cp1252(c.utf8);
    EXPECT_EQ(plot::svg_text(codes), c.svg) << c.utf8;
    EXPECT_EQ(plot::pdf_text(codes), c.pdf) << c.utf8;
    EXPECT_EQ(plot::eps_text(codes), c.eps) << c.utf8;
  }
}

}  // namespace
