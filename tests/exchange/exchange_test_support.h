#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/errors/runtime_error.h"
#include "core/exchange/exchange_reader.h"
#include "core/platform/message_box.h"

namespace plot::testing {

inline ExchangeReader reader_over(std::string bytes) {
  return ExchangeReader(std::make_unique<MemoryByteSource>(std::move(bytes)));
}

// The error number a statement raises, or nothing.
template <typename Statement>
std::optional<ErrorNumber> error_of(Statement&& statement) {
  try {
    statement();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return std::nullopt;
}

// Sets or clears an environment variable for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnvironment() {
    if (old_)
      setenv(name_.c_str(), old_->c_str(), 1);
    else
      unsetenv(name_.c_str());
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

inline std::filesystem::path make_temp_folder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "exchange-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

inline void write_file(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string file_contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::size_t open_descriptor_count() {
  return static_cast<std::size_t>(std::distance(
      std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator()));
}

// A profile folder of its own, named by "USERPROFILE", and a sink that records every message
// instead of opening a dialog.
class ProfileFolderTest : public ::testing::Test {
 protected:
  ProfileFolderTest() {
    set_message_sink([this](const std::string& text) { messages.push_back(text); });
  }
  ~ProfileFolderTest() override {
    set_message_sink(
        [](const std::string& text) { ADD_FAILURE() << "message after test: " << text; });
    std::filesystem::remove_all(folder);
  }

  std::filesystem::path file(const std::string& name) const { return folder / name; }

  std::filesystem::path folder = make_temp_folder();
  ScopedEnvironment profile{"USERPROFILE", folder.c_str()};
  std::vector<std::string> messages;
};

}  // namespace plot::testing
