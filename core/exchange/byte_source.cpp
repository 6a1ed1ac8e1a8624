#include "core/exchange/byte_source.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <sys/types.h>

#include "core/errors/runtime_error.h"

namespace plot {

std::unique_ptr<FileByteSource> FileByteSource::open(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  return std::unique_ptr<FileByteSource>(new FileByteSource(file));
}

FileByteSource::~FileByteSource() {
  std::fclose(file_);
}

std::size_t FileByteSource::read_at(std::uint64_t offset, char* out, std::size_t count) {
  // The reader moves forward almost always; seek only when the encoding check jumped away.
  if (offset != position_) {
    if (fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0) return 0;
    position_ = offset;
  }
  const std::size_t got = std::fread(out, 1, count, file_);
  position_ += got;
  // A failing disk must not look like the end of the file: the file would count as read whole
  // and be deleted.
  if (got < count && std::ferror(file_) != 0) raise(ErrorNumber::InputPastEndOfFile);
  return got;
}

std::size_t MemoryByteSource::read_at(std::uint64_t offset, char* out, std::size_t count) {
  if (offset >= bytes_.size()) return 0;
  const std::size_t got = std::min(count, bytes_.size() - static_cast<std::size_t>(offset));
  std::memcpy(out, bytes_.data() + offset, got);
  return got;
}

}  // namespace plot
