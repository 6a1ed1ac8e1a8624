#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace plot::testing {

// The bytes of every file in a fuzz target's corpus folder: the seeds a build without libFuzzer
// still runs, with its mutations of them.
inline std::vector<std::string> corpus_inputs(const std::filesystem::path& folder) {
  std::vector<std::string> seeds;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return seeds;
}

}  // namespace plot::testing
