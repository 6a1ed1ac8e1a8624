#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace plot {

// Writes the file at `path` whole or not at all: `write` fills a new temporary file beside it,
// which then takes the path's name. On any failure nothing is left behind and an existing file
// at `path` stays as it was: a run-time error `write` raises goes on unchanged; a file that
// cannot be made, written or renamed is an Invalid procedure call naming the path and the
// system's reason.
void write_whole_file(const std::string& path, const std::function<void(std::FILE*)>& write);

}  // namespace plot
