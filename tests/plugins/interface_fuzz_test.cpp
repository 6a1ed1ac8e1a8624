// The C interface fuzz target's checks over fixed inputs, so that a build without libFuzzer
// runs them too: each seed of the plug-in linked into this program, and seeded mutations of it.
// Every plug-in's test program has this test.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "fuzz/c_interface/fuzz_plugins.h"

namespace plot::fuzz {
namespace {

namespace fs = std::filesystem;

const FuzzPlugin& plugin() {
  static const FuzzPlugin* const linked = linked_plugin();
  if (linked == nullptr) throw std::runtime_error("the fuzz table lacks this plug-in");
  return *linked;
}

std::vector<fs::path> seed_files() {
  const fs::path folder =
      fs::path(__FILE__).parent_path() / "../../fuzz/c_interface/corpus" / plugin().name;
  std::vector<fs::path> files(fs::directory_iterator(folder), fs::directory_iterator{});
  std::ranges::sort(files);
  return files;
}

// Bytes changed, dropped and repeated: other calls, other tags, other sizes.
std::string mutated(std::string input, std::mt19937& random) {
  const int edits = std::uniform_int_distribution<int>(1, 4)(random);
  for (int e = 0; e < edits && !input.empty(); ++e) {
    std::uniform_int_distribution<std::size_t> position(0, input.size() - 1);
    switch (std::uniform_int_distribution<int>(0, 2)(random)) {
      case 0:
        input[position(random)] = static_cast<char>(random());
        break;
      case 1:
        input.erase(position(random), 1 + random() % 4);
        break;
      case 2:
        input.insert(position(random), input.substr(position(random), 1 + random() % 12));
        break;
    }
  }
  return input;
}

class InterfaceFuzz : public ::testing::TestWithParam<fs::path> {};

TEST_P(InterfaceFuzz, SeedAndItsMutationsHoldEveryCheck) {
  std::ifstream in(GetParam(), std::ios::binary);
  const std::string seed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::mt19937 random(20261208);
  std::vector<std::string> inputs = {seed};
  for (int round = 0; round < 15; ++round) inputs.push_back(mutated(seed, random));
  for (const auto& input : inputs) {
    const auto problem =
        exercise_calls(reinterpret_cast<const uint8_t*>(input.data()), input.size(), plugin());
    ASSERT_EQ(problem, "") << "input of " << input.size() << " bytes";
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, InterfaceFuzz, ::testing::ValuesIn(seed_files()),
                         [](const auto& seed) { return seed.param.filename().string(); });

}  // namespace
}  // namespace plot::fuzz
