// libFuzzer entry: every input as a hostile host's calls through the C interface of the
// plug-in linked into this target, found by its name in the table.
#include <cstdio>
#include <cstdlib>

#include "fuzz/c_interface/fuzz_plugins.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const plot::fuzz::FuzzPlugin* const plugin = plot::fuzz::linked_plugin();
  if (plugin == nullptr) {
    std::fprintf(stderr, "C interface fuzz: no row for the plug-in %s\n", plot_plugin_name());
    std::abort();
  }
  const std::string problem = plot::fuzz::exercise_calls(data, size, *plugin);
  if (!problem.empty()) {
    std::fprintf(stderr, "C interface fuzz: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
