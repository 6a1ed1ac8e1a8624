#include "core/exchange/text_encoding.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/windows1252.h"

namespace plot {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

bool is_continuation(char byte) {
  return (static_cast<uint8_t>(byte) & 0xC0) == 0x80;
}

std::size_t sequence_length(char lead) {
  const auto byte = static_cast<uint8_t>(lead);
  if (byte < 0x80) return 1;
  if ((byte & 0xE0) == 0xC0) return 2;
  if ((byte & 0xF0) == 0xE0) return 3;
  if ((byte & 0xF8) == 0xF0) return 4;
  return 1;  // Invalid lead: the check itself rejects it.
}

// Length of the prefix of `bytes` that ends on a sequence boundary; the rest may be completed by
// the next chunk.
std::size_t whole_sequences(std::string_view bytes) {
  const std::size_t size = bytes.size();
  for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
    const char byte = bytes[size - back];
    if (is_continuation(byte)) continue;
    return sequence_length(byte) > back ? size - back : size;
  }
  return size;
}

}  // namespace

bool source_is_utf8(ByteSource& source) {
  std::vector<char> chunk(kChunkSize);
  std::string pending;  // Whole-sequence check needs the tail of the previous chunk.
  std::uint64_t offset = 0;
  for (;;) {
    const std::size_t got = source.read_at(offset, chunk.data(), chunk.size());
    offset += got;
    if (got == 0) return is_valid_utf8(pending);
    pending.append(chunk.data(), got);
    const std::size_t cut = whole_sequences(pending);
    if (!is_valid_utf8(std::string_view(pending).substr(0, cut))) return false;
    pending.erase(0, cut);
  }
}

}  // namespace plot
