#include "tetrahedron_corners.h"

#include <GL/gl.h>

#include <cmath>

#include "core/text/glyph_raster.h"
#include "core/text/number_text.h"
#include "tetrahedron_frame.h"

namespace plot {
namespace {

struct Point {
  double x, y, z;
};

Point operator-(const Point& a, const Point& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Point point(const Vertex& v) {
  return {v.x, v.y, v.z};
}

// Pixels of the scale-1 picture between a corner and its name.
constexpr double kGapPixels = 8;
// The height of a capital, as a share of the glyphs' em.
constexpr double kCapHeight = 0.7;

Point centre() {
  return {(kA.x + kB.x + kC.x + kD.x) / 4.0, (kA.y + kB.y + kC.y + kD.y) / 4.0,
          (kA.z + kB.z + kC.z + kD.z) / 4.0};
}

// The turn DrawAxes applies, x then y then z as glRotatef composes them.
Point turned(const Renderer& r, Point p) {
  const double to_radians = M_PI / 180.0;
  const double z = r.zAngle * to_radians;
  p = {p.x * std::cos(z) - p.y * std::sin(z), p.x * std::sin(z) + p.y * std::cos(z), p.z};
  const double y = r.yAngle * to_radians;
  p = {p.x * std::cos(y) + p.z * std::sin(y), p.y, -p.x * std::sin(y) + p.z * std::cos(y)};
  const double x = r.xAngle * to_radians;
  return {p.x, p.y * std::cos(x) - p.z * std::sin(x), p.y * std::sin(x) + p.z * std::cos(x)};
}

// Where a frame point lands on the picture, up to scale: the eye looks down the z axis at the
// origin, and the frame is shifted by (-0.5, -0.5, 0) before the turn.
struct Seen {
  double x, y;
};
Seen seen(const Renderer& r, const Point& p) {
  const Point eye_space = turned(r, {p.x - 0.5, p.y - 0.5, p.z}) - Point{0, 0, r.profile().eye.z};
  return {eye_space.x / -eye_space.z, eye_space.y / -eye_space.z};
}

// The way on the picture from the body's centre to a corner.
Seen outward_on_picture(const Renderer& r, const Point& corner) {
  const Seen from = seen(r, centre());
  const Seen to = seen(r, corner);
  return {to.x - from.x, to.y - from.y};
}

}  // namespace

void draw_corner_names(Renderer& renderer, const CornerNames& names) {
  constexpr std::array<Vertex, 4> kCorners = {kB, kA, kC, kD};
  const double scale = renderer.picture_scale();
  const double height = kCapHeight * kGlyphEmPixels * scale;
  glColor3f(0, 0, 0);
  for (std::size_t i = 0; i < kCorners.size(); ++i) {
    const Point corner = point(kCorners[i]);
    // The raster at the corner itself, which is on the picture whenever the corner is: a
    // position beyond the picture's edge would drop the whole name.
    glRasterPos3d(corner.x, corner.y, corner.z);
    // Beside the corner on the side away from the body, and toward the body's height, so a name
    // at the top or the bottom corner stays on the picture.
    const std::string text = with_blank(names[i]);
    const Seen out = outward_on_picture(renderer, corner);
    const double gap = kGapPixels * scale;
    const double dx = out.x >= 0 ? gap : -gap - renderer.text_width(text);
    const double dy = out.y >= 0 ? -height : 0;
    // An empty one-pixel bitmap: Mesa's display lists drop the move of a bitmap without pixels.
    static constexpr GLubyte kNoPixel[4] = {};
    glBitmap(1, 1, 0, 0, static_cast<GLfloat>(dx), static_cast<GLfloat>(dy), kNoPixel);
    renderer.glPrint(text);
  }
}

}  // namespace plot
