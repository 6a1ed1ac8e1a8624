#pragma once

#include <optional>
#include <string_view>

namespace plot {

// The files a viewer's picture can be written to: the raster of its pixels, or the scene as
// vector drawing.
enum class PictureFormat { Png, Svg, Pdf, Eps };

// By the path's extension, in any letter case; none for any other extension.
std::optional<PictureFormat> picture_format_of(std::string_view path);

}  // namespace plot
