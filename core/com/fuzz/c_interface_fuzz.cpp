// libFuzzer entry: every input as a hostile host's calls through Pellin's C interface.
#include <cstdio>
#include <cstdlib>

#include "Pellin_records.h"
#include "core/com/fuzz/c_interface_fuzz_body.h"

namespace {

constexpr plot::fuzz::RecordKind kRecords[] = {
    {.name = PELLIN_VECTOR_PUNTS_ARL_NAME, .size = sizeof(pellin::Vector_Punts_arl)}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string problem = plot::fuzz::exercise_calls(data, size, kRecords);
  if (!problem.empty()) {
    std::fprintf(stderr, "C interface fuzz: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
