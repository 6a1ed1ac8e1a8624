#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/exchange/byte_source.h"

namespace plot {

// Sequential typed input from an exchange file, one value at a time, as the host's Write #
// statement writes them: values separated by commas or line breaks (CR LF, LF or CR), blanks
// around a value ignored, strings quoted or not. Every read raises a RuntimeError on bad input:
// "Input past end of file" (62) when no value is left, "Type mismatch" (13) for a word where a
// number is due, "Overflow" (6) for a number too large for its field or a value longer than
// kMaxValueLength. Memory stays bounded whatever the size of the file.
class ExchangeReader {
 public:
  static constexpr std::size_t kMaxValueLength = 64 * 1024;

  explicit ExchangeReader(std::unique_ptr<ByteSource> source);

  int16_t read_int16();
  double read_double();
  float read_float();
  bool read_logical();
  // UTF-8, whichever of UTF-8 and Windows-1252 the file is in.
  std::string read_string();

  // True once only blanks and line breaks remain, so that a last row followed by a line break
  // is not taken for the start of another.
  bool at_end();

 private:
  static constexpr std::size_t kChunkSize = 64 * 1024;

  int peek();
  void advance() { ++next_; }
  bool refill();
  void skip_to_value();
  void skip_separator();
  void append_to_value(char byte);
  // Reads the next value into value_; raises at the end of the file.
  void read_value();
  bool file_is_utf8();

  std::unique_ptr<ByteSource> source_;
  std::vector<char> chunk_ = std::vector<char>(kChunkSize);
  std::size_t next_ = 0;
  std::size_t filled_ = 0;
  std::uint64_t chunk_offset_ = 0;
  bool source_done_ = false;
  std::string value_;
  std::optional<bool> utf8_;
};

}  // namespace plot
