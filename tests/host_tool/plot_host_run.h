#pragma once

// plot_host run as a program in a folder of the test's own, and the pictures it writes read back.
#include <gtest/gtest.h>
#include <png.h>
#include <stdlib.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace plot::testing {

namespace fs = std::filesystem;

struct Outcome {
  int exit_code;
  std::string output;  // stdout and stderr
};

// Runs `command` through the shell; its exit code and everything it printed.
inline Outcome run_command(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer;
  while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) output += buffer.data();
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

class PlotHost : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "plot-host-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    fs::create_directory(folder_ / "tmp");
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs plot_host in the test's folder with TMPDIR inside it, so its exchange folders can be
  // seen and relative paths land there.
  Outcome run(const std::string& arguments) {
    return run_command("cd '" + folder_.string() + "' && TMPDIR='" + (folder_ / "tmp").string() +
                       "' '" PLOT_HOST_PATH "' " + arguments);
  }

  fs::path write(const std::string& name, const std::string& text) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  fs::path folder_;
};

struct Picture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgb;  // rows top first
  const uint8_t* at(int32_t x, int32_t y) const {
    return rgb.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)) *
                            3;
  }
};

// A PNG file as RGB; empty when it cannot be read.
inline Picture read_png(const fs::path& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  Picture picture;
  picture.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr)) return {};
  picture.width = static_cast<int32_t>(image.width);
  picture.height = static_cast<int32_t>(image.height);
  return picture;
}

// Pixels of exactly this colour in a PNG file; -1 when it cannot be read.
inline int count_pixels(const fs::path& path, std::array<uint8_t, 3> rgb) {
  const Picture picture = read_png(path);
  if (picture.rgb.empty()) return -1;
  int n = 0;
  for (std::size_t i = 0; i + 2 < picture.rgb.size(); i += 3)
    n += picture.rgb[i] == rgb[0] && picture.rgb[i + 1] == rgb[1] && picture.rgb[i + 2] == rgb[2];
  return n;
}

inline std::string bytes_of(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline constexpr std::array<uint8_t, 3> kGreen = {0, 255, 0};  // group 3, the rhyolites
inline constexpr std::array<uint8_t, 3> kBlack = {0, 0, 0};

}  // namespace plot::testing
