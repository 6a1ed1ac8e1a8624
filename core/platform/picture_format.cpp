#include "core/platform/picture_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string>

namespace plot {
namespace {

struct Extension {
  std::string_view text;
  PictureFormat format;
};

constexpr std::array<Extension, 4> kExtensions = {{
    {.text = ".png", .format = PictureFormat::Png},
    {.text = ".svg", .format = PictureFormat::Svg},
    {.text = ".pdf", .format = PictureFormat::Pdf},
    {.text = ".eps", .format = PictureFormat::Eps},
}};

}  // namespace

std::optional<PictureFormat> picture_format_of(std::string_view path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const Extension& known : kExtensions)
    if (known.text == extension) return known.format;
  return std::nullopt;
}

}  // namespace plot
