#pragma once

// One fuzz input through the reader and through the file rule, checking what must hold for any
// bytes: only the reader's own errors, strings always UTF-8, an end that stays the end, and a
// file deleted only when it was read whole. Shared by the libFuzzer target and the unit tests,
// so that a build without clang still runs it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "core/errors/fixed_array.h"
#include "core/errors/runtime_error.h"
#include "core/exchange/exchange_file.h"
#include "core/exchange/exchange_reader.h"
#include "core/exchange/layout_reader.h"
#include "core/platform/message_box.h"
#include "core/text/windows1252.h"

namespace plot::fuzz {

enum class Read : uint8_t { Int16, Double, Float, Logical, String, AtEnd };
inline constexpr int kReadKinds = 6;

inline bool is_reader_error(ErrorNumber number) {
  return number == ErrorNumber::Overflow || number == ErrorNumber::TypeMismatch ||
         number == ErrorNumber::InputPastEndOfFile;
}

// Reads `file` with a cycle of typed reads; returns what went wrong, or an empty string.
inline std::string exercise_reader(std::string_view schedule, std::string_view file) {
  ExchangeReader in(std::make_unique<MemoryByteSource>(std::string(file)));
  // A value read that succeeds takes at least one byte, so reads beyond that count mean the
  // reader stopped moving. End tests alone may repeat, hence the wider bound on the loop.
  const std::size_t loop_limit = (file.size() + 1) * schedule.size() + 8;
  std::size_t values_read = 0;
  try {
    for (std::size_t n = 0; n < loop_limit; ++n) {
      const auto kind =
          static_cast<Read>(static_cast<uint8_t>(schedule[n % schedule.size()]) % kReadKinds);
      switch (kind) {
        case Read::Int16:
          in.read_int16();
          break;
        case Read::Double:
          in.read_double();
          break;
        case Read::Float:
          in.read_float();
          break;
        case Read::Logical:
          in.read_logical();
          break;
        case Read::String:
          if (!is_valid_utf8(in.read_string())) return "string read is not UTF-8";
          break;
        case Read::AtEnd:
          if (in.at_end()) {
            if (!in.at_end()) return "end of file did not stay";
            try {
              in.read_string();
            } catch (const RuntimeError& error) {
              if (error.number() == ErrorNumber::InputPastEndOfFile) return {};
            }
            return "read after the end did not raise Input past end of file";
          }
          continue;
      }
      if (++values_read > file.size()) return "more values read than the file has bytes";
    }
  } catch (const RuntimeError& error) {
    if (!is_reader_error(error.number())) return std::string("unexpected error: ") + error.what();
  }
  return {};
}

inline std::string contents_of(const std::filesystem::path& path) {
  std::ifstream stream(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// Writes `file` into `folder` as the 3D biplot's points file and reads it by its layout and the
// rule, as the plug-in does.
inline std::string exercise_rule(std::string_view file, const std::filesystem::path& folder) {
  const plot_exchange_file& layout = plot_havrel_points;
  const auto path = exchange_file_path(folder, layout.name);
  std::ofstream(path, std::ios::binary)
      .write(file.data(), static_cast<std::streamsize>(file.size()));
  setenv("USERPROFILE", folder.c_str(), 1);
  int messages = 0;
  set_message_sink([&messages](const std::string&) { ++messages; });

  using Row = std::array<double, plot_havrel_points.field_count>;
  auto rows = std::make_unique<FixedArray<Row, 0, plot_havrel_points.most_rows - 1>>();
  std::string problem;
  try {
    const bool read = read_exchange_file(layout, [&](LayoutReader& in) {
      int32_t count = 0;
      while (!in.at_end()) {
        for (double& value : (*rows)(count)) value = in.read_double();
        ++count;
      }
    });
    if (read && std::filesystem::exists(path)) problem = "file read whole was not deleted";
    if (!read && (!file.empty() || messages != 1)) problem = "missing-file path for a present file";
  } catch (const RuntimeError& error) {
    if (!is_reader_error(error.number()) && error.number() != ErrorNumber::SubscriptOutOfRange)
      problem = std::string("unexpected error: ") + error.what();
    else if (contents_of(path) != file)
      problem = "file not read whole was changed or deleted";
  }
  set_message_sink([](const std::string&) {});
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return problem;
}

// The first byte says how many schedule bytes follow; the rest is the file.
inline std::string exercise_input(const uint8_t* data, std::size_t size,
                                  const std::filesystem::path& folder) {
  if (size == 0) return {};
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t schedule_size = std::min<std::size_t>(1 + bytes[0] % 8, size - 1);
  const std::string_view schedule =
      schedule_size == 0 ? std::string_view("\1") : bytes.substr(1, schedule_size);
  const std::string_view file = bytes.substr(1 + schedule_size);
  std::string problem = exercise_reader(schedule, file);
  if (problem.empty()) problem = exercise_rule(file, folder);
  return problem;
}

}  // namespace plot::fuzz
