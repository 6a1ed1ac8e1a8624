#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace plot {

// Random-access bytes the exchange reader pulls in chunks, so that a file of any size is read
// with a buffer of fixed size.
class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // Copies up to `count` bytes starting at `offset` into `out`; fewer only at the end.
  virtual std::size_t read_at(std::uint64_t offset, char* out, std::size_t count) = 0;
};

// An open file; closed when the object goes, whatever path the reading took.
class FileByteSource final : public ByteSource {
 public:
  // Null when the file cannot be opened.
  static std::unique_ptr<FileByteSource> open(const std::filesystem::path& path);

  ~FileByteSource() override;
  FileByteSource(const FileByteSource&) = delete;
  FileByteSource& operator=(const FileByteSource&) = delete;

  std::size_t read_at(std::uint64_t offset, char* out, std::size_t count) override;

 private:
  explicit FileByteSource(std::FILE* file) : file_(file) {}

  std::FILE* file_;
  std::uint64_t position_ = 0;
};

// Bytes already in memory: tests and the fuzz target.
class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::string bytes) : bytes_(std::move(bytes)) {}

  std::size_t read_at(std::uint64_t offset, char* out, std::size_t count) override;

 private:
  std::string bytes_;
};

}  // namespace plot
