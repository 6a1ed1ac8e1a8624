#pragma once

// The C interface fuzz target's checks over a fixed set of inputs: a plug-in's seeds and seeded
// mutations of them, so that a build without libFuzzer still runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "fuzz/c_interface/fuzz_plugins.h"
#include "support/fuzz_corpus.h"

namespace plot::testing {

// Bytes changed, dropped and repeated: other calls, other tags, other sizes.
inline std::string mutated(std::string input, std::mt19937& random) {
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

// Runs the linked plug-in's seeds and 15 mutations of each through every check.
inline void expect_seeds_and_mutations_hold() {
  const fuzz::FuzzPlugin* plugin = fuzz::linked_plugin();
  ASSERT_NE(plugin, nullptr);
  const auto seeds = corpus_inputs(std::filesystem::path(__FILE__).parent_path() /
                                   "../../fuzz/c_interface/corpus" / plugin->name);
  ASSERT_FALSE(seeds.empty());
  std::vector<std::string> inputs = seeds;
  std::mt19937 random(20261208);
  for (int round = 0; round < 15; ++round)
    for (const auto& seed : seeds) inputs.push_back(mutated(seed, random));
  for (const auto& input : inputs) {
    const auto problem =
        fuzz::exercise_calls(reinterpret_cast<const uint8_t*>(input.data()), input.size(), *plugin);
    ASSERT_EQ(problem, "") << "input of " << input.size() << " bytes";
  }
}

}  // namespace plot::testing
