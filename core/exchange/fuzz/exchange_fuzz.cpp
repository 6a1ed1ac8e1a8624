// libFuzzer entry: every input through the reader and the exchange-file rule.
#include <cstdio>
#include <cstdlib>

#include "core/exchange/fuzz/exchange_fuzz_body.h"

namespace {

const std::filesystem::path& fuzz_folder() {
  static const std::filesystem::path folder = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "exchange-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    std::atexit([] { std::filesystem::remove_all(fuzz_folder()); });
    return std::filesystem::path(pattern);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string problem = plot::fuzz::exercise_input(data, size, fuzz_folder());
  if (!problem.empty()) {
    std::fprintf(stderr, "exchange fuzz: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
