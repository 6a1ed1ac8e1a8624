// The C interface fuzz target's checks over a fixed set of inputs: its seeds and seeded
// mutations of them, so that a build without libFuzzer still runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "Pellin_records.h"
#include "core/com/fuzz/c_interface_fuzz_body.h"
#include "support/fuzz_corpus.h"

namespace plot::testing {
namespace {

constexpr fuzz::RecordKind kRecords[] = {
    {.name = PELLIN_VECTOR_PUNTS_ARL_NAME, .size = sizeof(pellin::Vector_Punts_arl)}};

std::vector<std::string> seed_inputs() {
  return corpus_inputs(std::filesystem::path(__FILE__).parent_path() /
                       "../../../core/com/fuzz/corpus");
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

TEST(PellinInterfaceFuzz, SeedsAndMutationsHoldEveryCheck) {
  const auto seeds = seed_inputs();
  ASSERT_FALSE(seeds.empty());
  std::vector<std::string> inputs = seeds;
  std::mt19937 random(20261208);
  for (int round = 0; round < 15; ++round)
    for (const auto& seed : seeds) inputs.push_back(mutated(seed, random));
  for (const auto& input : inputs) {
    const auto problem = fuzz::exercise_calls(reinterpret_cast<const uint8_t*>(input.data()),
                                              input.size(), kRecords);
    ASSERT_EQ(problem, "") << "input of " << input.size() << " bytes";
  }
}

}  // namespace
}  // namespace plot::testing
