#include "core/exchange/exchange_reader.h"

#include <algorithm>
#include <string_view>

#include "core/errors/runtime_error.h"
#include "core/exchange/text_encoding.h"
#include "core/exchange/value_conversion.h"
#include "core/text/windows1252.h"

namespace plot {
namespace {

constexpr int kEnd = -1;

bool is_blank(int c) {
  return c == ' ' || c == '\t';
}
bool is_line_break(int c) {
  return c == '\r' || c == '\n';
}
bool ends_unquoted_value(int c) {
  return c == ',' || is_line_break(c) || c == kEnd;
}

bool is_ascii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

ExchangeReader::ExchangeReader(std::unique_ptr<ByteSource> source) : source_(std::move(source)) {
  // A byte-order mark is not part of the first value.
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (!refill()) return;
  if (std::string_view(chunk_.data(), filled_).starts_with(kByteOrderMark))
    next_ = kByteOrderMark.size();
}

bool ExchangeReader::refill() {
  if (source_done_) return false;
  chunk_offset_ += filled_;
  next_ = 0;
  filled_ = source_->read_at(chunk_offset_, chunk_.data(), chunk_.size());
  if (filled_ == 0) source_done_ = true;
  return filled_ > 0;
}

int ExchangeReader::peek() {
  if (next_ == filled_ && !refill()) return kEnd;
  return static_cast<unsigned char>(chunk_[next_]);
}

void ExchangeReader::skip_to_value() {
  for (int c = peek(); is_blank(c) || is_line_break(c); c = peek()) advance();
}

void ExchangeReader::skip_separator() {
  // Whatever stands between a closing quote and the separator is dropped, as the host does.
  int c = peek();
  while (!ends_unquoted_value(c)) {
    advance();
    c = peek();
  }
  if (c == kEnd) return;
  advance();
  if (c == '\r' && peek() == '\n') advance();
}

void ExchangeReader::append_to_value(char byte) {
  if (value_.size() == kMaxValueLength) raise(ErrorNumber::Overflow);
  value_.push_back(byte);
}

void ExchangeReader::read_value() {
  value_.clear();
  skip_to_value();
  int c = peek();
  if (c == kEnd) raise(ErrorNumber::InputPastEndOfFile);
  if (c == '"') {
    advance();
    // A quoted string runs to the closing quote, line breaks and commas included; an unclosed
    // one to the end of the file.
    for (c = peek(); c != '"' && c != kEnd; c = peek()) {
      append_to_value(static_cast<char>(c));
      advance();
    }
    if (c == '"') advance();
  } else {
    for (; !ends_unquoted_value(c); c = peek()) {
      append_to_value(static_cast<char>(c));
      advance();
    }
    while (!value_.empty() && is_blank(value_.back())) value_.pop_back();
  }
  skip_separator();
}

bool ExchangeReader::at_end() {
  skip_to_value();
  return peek() == kEnd;
}

int16_t ExchangeReader::read_int16() {
  read_value();
  return value_to_int16(value_);
}

double ExchangeReader::read_double() {
  read_value();
  return value_to_double(value_);
}

float ExchangeReader::read_float() {
  read_value();
  return value_to_float(value_);
}

bool ExchangeReader::read_logical() {
  read_value();
  return value_to_logical(value_);
}

std::string ExchangeReader::read_string() {
  read_value();
  // Plain ASCII reads the same in both code pages; only other text needs the whole-file check.
  if (is_ascii(value_) || file_is_utf8()) return value_;
  return cp1252_to_utf8(value_);
}

bool ExchangeReader::file_is_utf8() {
  if (!utf8_) utf8_ = source_is_utf8(*source_);
  return *utf8_;
}

}  // namespace plot
