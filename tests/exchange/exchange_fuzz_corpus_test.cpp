// The fuzz target's checks over a fixed set of inputs: its seeds and seeded mutations of them,
// so that a build without libFuzzer still runs them.
#include <random>
#include <string>
#include <vector>

#include "fuzz/exchange/exchange_fuzz_body.h"
#include "support/fuzz_corpus.h"
#include "tests/exchange/exchange_test_support.h"

namespace plot::testing {
namespace {

std::vector<std::string> seed_inputs() {
  return corpus_inputs(std::filesystem::path(__FILE__).parent_path() /
                       "../../fuzz/exchange/corpus");
}

// Byte flips, separators and quotes dropped in, cuts and repeats: the shapes that break readers.
std::string mutated(std::string input, std::mt19937& random) {
  static constexpr std::string_view kInteresting = ",\r\n\" \t#.eE+-0129\x80\xC3\xE9\xEF";
  const int edits = std::uniform_int_distribution<int>(1, 6)(random);
  for (int e = 0; e < edits && !input.empty(); ++e) {
    std::uniform_int_distribution<std::size_t> position(0, input.size() - 1);
    switch (std::uniform_int_distribution<int>(0, 4)(random)) {
      case 0:
        input[position(random)] = static_cast<char>(random());
        break;
      case 1:
        input.insert(position(random), 1, kInteresting[random() % kInteresting.size()]);
        break;
      case 2:
        input.erase(position(random), 1 + random() % 8);
        break;
      case 3:
        input.resize(position(random) + 1);
        break;
      case 4:
        input += input.substr(position(random));
        break;
    }
  }
  return input;
}

TEST(ExchangeFuzzCorpus, SeedsAndMutationsHoldEveryCheck) {
  const auto folder = make_temp_folder();
  ScopedEnvironment profile("USERPROFILE", folder.c_str());
  const auto seeds = seed_inputs();
  ASSERT_FALSE(seeds.empty());
  std::vector<std::string> inputs = seeds;
  std::mt19937 random(20240601);
  for (int round = 0; round < 400; ++round)
    for (const auto& seed : seeds) inputs.push_back(mutated(seed, random));
  // Large enough to cross the reader's chunk boundary more than once.
  inputs.push_back(std::string(1, '\1') + "\1" + std::string(200'000, '7') + ",1\r\n");
  std::string rows;
  while (rows.size() < 150'000) rows += "1.5,-2,.25,3,0\r\n";
  inputs.push_back(std::string("\0\1", 2) + rows);

  for (const auto& input : inputs) {
    const auto problem =
        fuzz::exercise_input(reinterpret_cast<const uint8_t*>(input.data()), input.size(), folder);
    ASSERT_EQ(problem, "") << "input of " << input.size() << " bytes: " << input.substr(0, 200);
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace plot::testing
