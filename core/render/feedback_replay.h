#pragma once

#include <GL/gl.h>

#include <span>
#include <string>
#include <vector>

#include "core/platform/picture_format.h"

namespace plot {

// Pass-through codes of a page's capture: each is followed by its values, one pass-through
// token each (a text by its index in the page's texts).
enum class PageNote : int {
  PointSize = 1,    // size
  LineWidth = 2,    // width
  LineStipple = 3,  // factor, pattern
  SolidLines = 4,   // no value
  Text = 5,         // index
};

// A text as the page writes it, where its raster position was (window coordinates).
struct PageText {
  std::string text;
  const char* font;
  GLshort size;
  GLfloat at[3];
  GLfloat colour[4];
};

// Hands a page's feedback (GL_3D_COLOR, RGBA) to the gl2ps page open, primitive by primitive,
// with the sizes, dashes and texts its notes give.
void replay_feedback(std::span<const GLfloat> feedback, const std::vector<PageText>& texts,
                     PictureFormat format);

}  // namespace plot
