#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "core/errors/runtime_error.h"

namespace plot {

// A file that could not be written: Invalid procedure call, "cannot write PATH: REASON".
class FileNotWritten : public RuntimeError {
 public:
  // Where it failed: at the path (made, or renamed to), or while its content was written.
  enum class Stage { Path, Content };
  FileNotWritten(const std::string& path, int system_error, Stage stage);
  Stage stage() const { return stage_; }

 private:
  Stage stage_;
};

// Writes the file at `path` whole or not at all: `write` fills a new temporary file beside it,
// which then takes the path's name. On any failure nothing is left behind and an existing file
// at `path` stays as it was: a run-time error `write` raises goes on unchanged; a file that
// cannot be made, written or renamed is FileNotWritten.
void write_whole_file(const std::string& path, const std::function<void(std::FILE*)>& write);

}  // namespace plot
