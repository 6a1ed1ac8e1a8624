#pragma once

#include <GL/gl.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/picture_format.h"

namespace plot {

// A scene recorded as vector drawing: what is drawn while a page is open is caught by OpenGL's
// feedback (lines, points and polygons as the window shows them, after the camera and the
// clipping) and written by gl2ps as an SVG, PDF or EPS file, sorted by depth as the depth test
// shows it.

// True while a page records.
bool vector_page_open();

// What feedback leaves out, told to the open page where it happens in the drawing (nothing
// when no page is open): point size, line width and dashes in pixels of the page, and texts
// drawn with the glyph lists (single-byte codes) at the current raster position, in the bold
// sans face `em_pixels` high.
void note_point_size(float pixels);
void note_line_width(float pixels);
void note_line_stipple(GLint factor, GLushort pattern);
void note_solid_lines();
void add_page_text(std::string_view codes, int em_pixels);

// How the page orders what was drawn: a plane scene by depth alone (every line whole), a 3D
// scene by a BSP tree that cuts what crosses.
enum class DepthOrder { Plane, Space };

// Writes `draw`'s scene at the current viewport, on the clear colour, as an SVG, PDF or EPS
// file to `stream`. `draw` runs again on a larger feedback buffer when one was too small; a run-
// time error it raises ends the page and goes on to the caller. A scene too large for the
// largest buffer is an Invalid procedure call.
void write_vector_page(PictureFormat format, DepthOrder order, std::FILE* stream,
                       const std::string& title, const std::function<void()>& draw);

}  // namespace plot
