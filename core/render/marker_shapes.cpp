#include "core/render/marker_shapes.h"

#include <span>

#include "core/platform/drawing_surface.h"
#include "core/render/picture_scale.h"
#include "core/render/vector_page.h"

namespace plot {
namespace {

struct Vertex {
  GLfloat x, y;
};

struct Shape {
  GLenum primitive;
  std::span<const Vertex> vertices;
};

constexpr Vertex kTriangle[] = {{-0.01f, -0.01f}, {0.0f, 0.01f}, {0.01f, -0.01f}};
constexpr Vertex kDiamond[] = {{-0.01f, 0.0f}, {0.0f, 0.01f}, {0.01f, 0.0f}, {0.0f, -0.01f}};
constexpr Vertex kOrigin[] = {{0.0f, 0.0f}};
constexpr Vertex kTwoTriangles[] = {{-0.01f, -0.01f}, {-0.01f, 0.01f}, {0.005f, 0.0f},
                                    {-0.005f, 0.0f},  {0.01f, 0.01f},  {0.01f, -0.01f}};
constexpr Vertex kSquare[] = {
    {-0.008f, -0.008f}, {-0.008f, 0.008f}, {0.008f, 0.008f}, {0.008f, -0.008f}};
constexpr Vertex kAsterisk[] = {{-0.01f, -0.01f}, {0.01f, 0.01f}, {-0.01f, 0.01f}, {0.01f, -0.01f},
                                {0.0f, -0.01f},   {0.0f, 0.01f},  {-0.01f, 0.0f},  {0.01f, 0.0f}};
constexpr Vertex kStar[] = {{0.0f, -0.01f},   {0.003f, -0.003f},  {0.01f, 0.0f},
                            {0.003f, 0.003f}, {0.0f, 0.01f},      {-0.003f, 0.003f},
                            {-0.01f, 0.0f},   {-0.003f, -0.003f}, {0.0f, -0.01f}};
constexpr Vertex kOctagon[] = {{0.01f, 0.005f},  {0.005f, 0.01f},   {-0.005f, 0.01f},
                               {-0.01f, 0.005f}, {-0.01f, -0.005f}, {-0.005f, -0.01f},
                               {0.005f, -0.01f}, {0.01f, -0.005f}};
constexpr Vertex kOutlierSquare[] = {
    {-0.02f, -0.02f}, {-0.02f, 0.02f}, {0.02f, 0.02f}, {0.02f, -0.02f}};

constexpr int kDot = 3;

// Shape k at index k - 1.
constexpr Shape kShapes[kMarkerShapeCount] = {
    {GL_TRIANGLES, kTriangle},     {GL_POLYGON, kDiamond},  {GL_POINTS, kOrigin},
    {GL_TRIANGLES, kTwoTriangles}, {GL_LINE_LOOP, kSquare}, {GL_LINES, kAsterisk},
    {GL_LINE_LOOP, kTriangle},     {GL_LINE_STRIP, kStar},  {GL_LINE_LOOP, kDiamond},
    {GL_POLYGON, kOctagon}};

void emit(const Shape& shape) {
  glBegin(shape.primitive);
  for (const Vertex& v : shape.vertices) glVertex3f(v.x, v.y, 0.0f);
  glEnd();
}

void record(GLuint list, auto&& body) {
  glPushMatrix();
  glNewList(list, GL_COMPILE);
  body();
  glEndList();
  glPopMatrix();
}

void record_lists(const MarkerLists& lists) {
  for (int k = 1; k <= kMarkerShapeCount; ++k) {
    const Shape& shape = kShapes[k - 1];
    record(lists.shapes[static_cast<std::size_t>(k - 1)], [&] {
      // The dot leaves its size behind for the rest of the frame.
      if (k == kDot) set_point_size(lists.dot_point_size);
      emit(shape);
    });
  }
  if (lists.outlier_mark != 0) {
    record(lists.outlier_mark, [] {
      emit({GL_LINE_LOOP, kOutlierSquare});
      emit({GL_POINTS, kOrigin});
    });
  }
}

}  // namespace

MarkerLists compile_marker_lists(float dot_point_size, bool with_outlier_mark) {
  MarkerLists lists;
  lists.dot_point_size = dot_point_size;
  // Numbers are taken one at a time so that each follows the previous one's.
  for (GLuint& list : lists.shapes) list = gen_lists(1);
  if (with_outlier_mark) lists.outlier_mark = gen_lists(1);
  record_lists(lists);
  lists.made = true;
  return lists;
}

void recompile_marker_lists(const MarkerLists& markers) {
  if (markers.made) record_lists(markers);
}

void call_marker(const MarkerLists& markers, int shape) {
  if (!markers.made || shape < 1 || shape > kMarkerShapeCount) return;
  // A vector page learns the dot's size only from the core.
  if (shape == kDot && vector_page_open()) set_point_size(markers.dot_point_size);
  glCallList(markers.shapes[static_cast<std::size_t>(shape - 1)]);
}

void call_outlier_mark(const MarkerLists& markers) {
  if (!markers.made || markers.outlier_mark == 0) return;
  glCallList(markers.outlier_mark);
}

}  // namespace plot
