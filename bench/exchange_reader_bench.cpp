// Reading a 6000-row points file (five 64-bit floats a row) against the floor: a bare loop that
// only splits the same bytes and converts each number with strtod.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/exchange/exchange_reader.h"

namespace {

constexpr int kRows = 6000;
constexpr int kValuesPerRow = 5;

// Numbers as the host writes them: up to fifteen significant digits, a point, some exponents.
std::string points_text() {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coordinate(-3.0, 3.0);
  std::string text;
  char number[32];
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < 3; ++column) {
      std::snprintf(number, sizeof number, "%.15G,", coordinate(random));
      text += number;
    }
    text += std::to_string(1 + row % 10) + "," + (row % 50 == 0 ? "1" : "0") + "\r\n";
  }
  return text;
}

class PointsFile {
 public:
  PointsFile() {
    std::ofstream(path_, std::ios::binary) << points_text();
    size_ = std::filesystem::file_size(path_);
  }
  ~PointsFile() { std::filesystem::remove(path_); }
  PointsFile(const PointsFile&) = delete;
  PointsFile& operator=(const PointsFile&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::size_t size() const { return size_; }

 private:
  std::filesystem::path path_ =
      std::filesystem::temp_directory_path() / ("exchange-bench-" + std::to_string(getpid()));
  std::size_t size_ = 0;
};

const PointsFile& points_file() {
  static const PointsFile file;
  return file;
}

void BM_ExchangeReaderPoints(benchmark::State& state) {
  const auto& file = points_file();
  std::vector<double> table(kRows * kValuesPerRow);
  for (auto _ : state) {
    plot::ExchangeReader in(plot::FileByteSource::open(file.path()));
    std::size_t n = 0;
    while (!in.at_end())
      for (int column = 0; column < kValuesPerRow; ++column) table[n++] = in.read_double();
    if (n != table.size()) state.SkipWithError("wrong number of values");
    benchmark::DoNotOptimize(table.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ExchangeReaderPoints)->Unit(benchmark::kMicrosecond);

void BM_StrtodSplitFloor(benchmark::State& state) {
  const auto& file = points_file();
  std::vector<char> bytes(file.size() + 1);
  std::vector<double> table(kRows * kValuesPerRow);
  for (auto _ : state) {
    std::FILE* stream = std::fopen(file.path().c_str(), "rb");
    const std::size_t got = std::fread(bytes.data(), 1, file.size(), stream);
    std::fclose(stream);
    bytes[got] = '\0';
    const char* next = bytes.data();
    const char* end = bytes.data() + got;
    std::size_t n = 0;
    while (next < end) {
      if (*next == ',' || *next == '\r' || *next == '\n') {
        ++next;
        continue;
      }
      char* after = nullptr;
      table[n++] = std::strtod(next, &after);
      next = after == next ? next + 1 : after;
    }
    if (n != table.size()) state.SkipWithError("wrong number of values");
    benchmark::DoNotOptimize(table.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_StrtodSplitFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
