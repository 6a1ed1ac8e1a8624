#include "core/render/feedback_replay.h"

#include <gl2ps.h>

#include <algorithm>
#include <cmath>

namespace plot {
namespace {

constexpr int kVertexValues = 7;  // x, y, z, red, green, blue, alpha

struct Dashes {
  GLint factor = 0;
  GLushort pattern = 0;  // 0: solid
};

// Reads the feedback values in order; reading past the end gives zeros.
class FeedbackReader {
 public:
  explicit FeedbackReader(std::span<const GLfloat> values) : values_(values) {}
  bool done() const { return at_ >= values_.size(); }
  GLfloat next() { return at_ < values_.size() ? values_[at_++] : 0.0f; }
  GL2PSvertex vertex() {
    GL2PSvertex v{};
    for (GLfloat& c : v.xyz) c = next();
    for (GLfloat& c : v.rgba) c = next();
    return v;
  }
  void skip_vertex() { at_ += kVertexValues; }
  // A note's value: the next pass-through token's.
  GLfloat note_value() {
    next();  // GL_PASS_THROUGH_TOKEN
    return next();
  }

 private:
  std::span<const GLfloat> values_;
  std::size_t at_ = 0;
};

void add(GLshort type, GL2PSvertex* vertices, GLshort count, const Dashes& dashes, GLfloat width) {
  gl2psAddPolyPrimitive(type, count, vertices, 0, 0.0f, 0.0f, dashes.pattern, dashes.factor, width,
                        GL2PS_LINE_CAP_BUTT, GL2PS_LINE_JOIN_MITER, 0);
}

GL2PSvertex between(const GL2PSvertex& a, const GL2PSvertex& b, GLfloat t) {
  GL2PSvertex v{};
  for (int i = 0; i < 3; ++i) v.xyz[i] = a.xyz[i] + t * (b.xyz[i] - a.xyz[i]);
  for (int i = 0; i < 4; ++i) v.rgba[i] = a.rgba[i] + t * (b.rgba[i] - a.rgba[i]);
  return v;
}

// A dashed line as its drawn runs, pixel for pixel as OpenGL stipples it: one pattern bit per
// `factor` pixels along the major axis, the count going on from the line before unless the
// feedback reset it. gl2ps's PDF draws its points under the dash of the last line before
// them, where a dash would hide them: the PDF's dashes are solid pieces.
void add_dashed_pieces(GL2PSvertex ends[2], const Dashes& dashes, GLfloat width,
                       GLint& stipple_count) {
  const GLfloat dx = ends[1].xyz[0] - ends[0].xyz[0];
  const GLfloat dy = ends[1].xyz[1] - ends[0].xyz[1];
  const auto pixels = static_cast<GLint>(std::lround(std::max(std::fabs(dx), std::fabs(dy))));
  const auto drawn = [&](GLint count) {
    return (dashes.pattern >> ((count / dashes.factor) % 16) & 1) != 0;
  };
  const Dashes solid;
  GLint run_start = -1;
  for (GLint p = 0; p <= pixels; ++p) {
    const bool on = p < pixels && drawn(stipple_count + p);
    if (on && run_start < 0) run_start = p;
    if (!on && run_start >= 0) {
      const GLfloat scale = pixels > 0 ? 1.0f / static_cast<GLfloat>(pixels) : 0.0f;
      GL2PSvertex piece[2] = {between(ends[0], ends[1], static_cast<GLfloat>(run_start) * scale),
                              between(ends[0], ends[1], static_cast<GLfloat>(p) * scale)};
      add(GL2PS_LINE, piece, 2, solid, width);
      run_start = -1;
    }
  }
  stipple_count += pixels;
}

}  // namespace

void replay_feedback(std::span<const GLfloat> feedback, const std::vector<PageText>& texts,
                     PictureFormat format) {
  FeedbackReader reader(feedback);
  GLfloat point_size = 1.0f;
  GLfloat line_width = 1.0f;
  Dashes dashes;
  GLint stipple_count = 0;
  const bool dashes_as_pieces = format == PictureFormat::Pdf;
  while (!reader.done()) {
    const auto token = static_cast<GLint>(reader.next());
    switch (token) {
      case GL_POINT_TOKEN: {
        GL2PSvertex v = reader.vertex();
        add(GL2PS_POINT, &v, 1, Dashes{}, point_size);
        break;
      }
      case GL_LINE_RESET_TOKEN:
      case GL_LINE_TOKEN: {
        if (token == GL_LINE_RESET_TOKEN) stipple_count = 0;
        GL2PSvertex ends[2] = {reader.vertex(), reader.vertex()};
        if (dashes.pattern != 0 && dashes_as_pieces)
          add_dashed_pieces(ends, dashes, line_width, stipple_count);
        else
          add(GL2PS_LINE, ends, 2, dashes, line_width);
        break;
      }
      case GL_POLYGON_TOKEN: {
        // Convex after clipping: a fan of triangles.
        const auto count = static_cast<GLint>(reader.next());
        GL2PSvertex triangle[3]{};
        for (GLint i = 0; i < count; ++i) {
          const GL2PSvertex v = reader.vertex();
          if (i == 0) triangle[0] = v;
          triangle[1] = triangle[2];
          triangle[2] = v;
          if (i >= 2) add(GL2PS_TRIANGLE, triangle, 3, Dashes{}, 1.0f);
        }
        break;
      }
      case GL_BITMAP_TOKEN:
      case GL_DRAW_PIXEL_TOKEN:
      case GL_COPY_PIXEL_TOKEN:
        reader.skip_vertex();  // the glyphs: their texts came as notes
        break;
      case GL_PASS_THROUGH_TOKEN:
        switch (static_cast<PageNote>(static_cast<int>(reader.next()))) {
          case PageNote::PointSize:
            point_size = reader.note_value();
            break;
          case PageNote::LineWidth:
            line_width = reader.note_value();
            break;
          case PageNote::LineStipple:
            dashes.factor = static_cast<GLint>(reader.note_value());
            dashes.pattern = static_cast<GLushort>(reader.note_value());
            break;
          case PageNote::SolidLines:
            dashes = Dashes{};
            break;
          case PageNote::Text: {
            const auto index = static_cast<std::size_t>(reader.note_value());
            if (index >= texts.size()) break;
            const PageText& text = texts[index];
            GL2PSvertex at{};
            std::copy(std::begin(text.at), std::end(text.at), at.xyz);
            std::copy(std::begin(text.colour), std::end(text.colour), at.rgba);
            gl2psForceRasterPos(&at);
            gl2psTextOpt(text.text.c_str(), text.font, text.size, GL2PS_TEXT_BL, 0.0f);
            break;
          }
        }
        break;
      default:
        return;  // not a token of this feedback type: the rest cannot be read
    }
  }
}

}  // namespace plot
