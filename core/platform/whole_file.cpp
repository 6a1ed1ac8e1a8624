#include "core/platform/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "core/errors/runtime_error.h"

namespace plot {
namespace {

using Stage = FileNotWritten::Stage;

[[noreturn]] void cannot_write(const std::string& path, int error, Stage stage) {
  throw FileNotWritten(path, error, stage);
}

// A new file beside `target`, made with the permissions a plain create would give it.
int create_beside(const std::filesystem::path& target, std::string& made) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    made = (target.parent_path() /
            ("." + target.filename().string() + "." + std::to_string(random() % 1000000000)))
               .string();
    const int fd = ::open(made.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

FileNotWritten::FileNotWritten(const std::string& path, int system_error, Stage stage)
    : RuntimeError(ErrorNumber::InvalidCall,
                   "cannot write " + path + ": " + std::strerror(system_error)),
      stage_(stage) {}

void write_whole_file(const std::string& path, const std::function<void(std::FILE*)>& write) {
  const std::filesystem::path target = std::filesystem::absolute(path);
  if (target.filename().empty()) cannot_write(path, EISDIR, Stage::Path);
  std::string temporary;
  const int fd = create_beside(target, temporary);
  if (fd < 0) cannot_write(path, errno, Stage::Path);
  std::FILE* stream = ::fdopen(fd, "w+b");
  if (stream == nullptr) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    cannot_write(path, error, Stage::Content);
  }
  const auto discard = [&] { ::unlink(temporary.c_str()); };
  try {
    write(stream);
  } catch (...) {
    std::fclose(stream);
    discard();
    throw;
  }
  errno = 0;
  int error = 0;
  if (std::fflush(stream) != 0 || std::ferror(stream) != 0) error = errno != 0 ? errno : EIO;
  if (std::fclose(stream) != 0 && error == 0) error = errno;
  if (error != 0) {
    discard();
    cannot_write(path, error, Stage::Content);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    error = errno;
    discard();
    cannot_write(path, error, Stage::Path);
  }
}

}  // namespace plot
