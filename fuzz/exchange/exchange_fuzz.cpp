// libFuzzer entry: every input through the reader and the exchange-file rule.
#include <cstdio>
#include <cstdlib>

#include "fuzz/exchange/exchange_fuzz_body.h"

namespace {

// A folder of its own for each input, gone when the input is done: libFuzzer ends the process
// without running atexit handlers, so nothing may be left for the end.
class InputFolder {
 public:
  InputFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "exchange-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~InputFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  InputFolder(const InputFolder&) = delete;
  InputFolder& operator=(const InputFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string problem;
  {
    const InputFolder folder;
    problem = plot::fuzz::exercise_input(data, size, folder.path());
  }
  if (!problem.empty()) {
    std::fprintf(stderr, "exchange fuzz: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
