#include "core/render/vector_page.h"

#include <gl2ps.h>
#include <unistd.h>

#include <vector>

#include "core/errors/runtime_error.h"
#include "core/render/feedback_replay.h"
#include "core/text/vector_text.h"

namespace plot {
namespace {

// Feedback values: a point takes 8, a line 15; the first buffer holds some 100,000 of them.
constexpr std::size_t kFirstFeedbackValues = std::size_t{1} << 20;
constexpr std::size_t kLargestFeedbackValues = std::size_t{1} << 25;  // 128 MB

// The PostScript fonts that stand in for the glyphs' face. The EPS face is Helvetica Bold
// re-encoded to Latin-1 (its standard encoding has no accented letters), defined on the page
// before any text.
constexpr const char* kFont = "Helvetica-Bold";
constexpr const char* kEpsFont = "Helvetica-Bold-Latin1";
constexpr const char* kEpsFontDefinition =
    "/Helvetica-Bold-Latin1 /Helvetica-Bold findfont dup length dict begin\n"
    "{1 index /FID ne {def} {pop pop} ifelse} forall /Encoding ISOLatin1Encoding def\n"
    "currentdict end definefont pop";

// The page being caught: its format and the texts noted so far.
struct Capture {
  PictureFormat format;
  std::vector<PageText> texts;
};
Capture* g_capture = nullptr;

GLint gl2ps_format(PictureFormat format) {
  switch (format) {
    case PictureFormat::Svg:
      return GL2PS_SVG;
    case PictureFormat::Pdf:
      return GL2PS_PDF;
    case PictureFormat::Eps:
      return GL2PS_EPS;
    case PictureFormat::Png:
      break;
  }
  raise(ErrorNumber::InvalidCall);
}

void pass(PageNote note) {
  glPassThrough(static_cast<GLfloat>(static_cast<int>(note)));
}

// The scene drawn into a feedback buffer, grown until it holds it; the page's notes with it.
std::vector<GLfloat> catch_scene(Capture& capture, const std::function<void()>& draw) {
  std::vector<GLfloat> feedback;
  for (std::size_t values = kFirstFeedbackValues;; values *= 2) {
    feedback.resize(values);
    capture.texts.clear();
    glFeedbackBuffer(static_cast<GLsizei>(values), GL_3D_COLOR, feedback.data());
    glRenderMode(GL_FEEDBACK);
    g_capture = &capture;
    GLint used = -1;
    try {
      draw();
    } catch (...) {
      g_capture = nullptr;
      glRenderMode(GL_RENDER);
      throw;
    }
    g_capture = nullptr;
    used = glRenderMode(GL_RENDER);
    if (used >= 0) {
      feedback.resize(static_cast<std::size_t>(used));
      return feedback;
    }
    if (values >= kLargestFeedbackValues)
      throw RuntimeError(ErrorNumber::InvalidCall, "the scene is too large for a vector file");
  }
}

void start_from_empty(std::FILE* stream) {
  std::fflush(stream);
  std::rewind(stream);
  if (ftruncate(fileno(stream), 0) != 0) raise(ErrorNumber::InvalidCall);
}

// The EPS font definition, behind everything else: the page is painted from the back.
void define_eps_font() {
  GL2PSvertex farthest{{0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}};
  gl2psForceRasterPos(&farthest);
  gl2psSpecial(GL2PS_EPS, kEpsFontDefinition);
}

}  // namespace

bool vector_page_open() {
  return g_capture != nullptr;
}

void note_point_size(float pixels) {
  if (g_capture == nullptr) return;
  pass(PageNote::PointSize);
  glPassThrough(pixels);
}

void note_line_width(float pixels) {
  if (g_capture == nullptr) return;
  pass(PageNote::LineWidth);
  glPassThrough(pixels);
}

void note_line_stipple(GLint factor, GLushort pattern) {
  if (g_capture == nullptr) return;
  pass(PageNote::LineStipple);
  glPassThrough(static_cast<GLfloat>(factor));
  glPassThrough(static_cast<GLfloat>(pattern));
}

void note_solid_lines() {
  if (g_capture == nullptr) return;
  pass(PageNote::SolidLines);
}

void add_page_text(std::string_view codes, int em_pixels) {
  if (g_capture == nullptr) return;
  GLboolean valid = GL_FALSE;
  glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
  if (valid == GL_FALSE) return;  // clipped: the glyphs draw nothing either
  PageText text{};
  text.size = static_cast<GLshort>(em_pixels);
  GLfloat position[4];
  glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
  std::copy(position, position + 3, text.at);
  glGetFloatv(GL_CURRENT_RASTER_COLOR, text.colour);
  switch (g_capture->format) {
    case PictureFormat::Svg:
      text.text = svg_text(codes);
      text.font = kFont;
      break;
    case PictureFormat::Pdf:
      text.text = pdf_text(codes);
      text.font = kFont;
      break;
    case PictureFormat::Eps:
    case PictureFormat::Png:
      text.text = eps_text(codes);
      text.font = kEpsFont;
      break;
  }
  pass(PageNote::Text);
  glPassThrough(static_cast<GLfloat>(g_capture->texts.size()));
  g_capture->texts.push_back(std::move(text));
}

void write_vector_page(PictureFormat format, DepthOrder order, std::FILE* stream,
                       const std::string& title, const std::function<void()>& draw) {
  const GLint code = gl2ps_format(format);
  Capture capture{.format = format, .texts = {}};
  const std::vector<GLfloat> feedback = catch_scene(capture, draw);

  start_from_empty(stream);
  // gl2ps's own feedback carries only the texts and the font definition, two values each.
  const auto own_values = static_cast<GLint>(2 * capture.texts.size() + 16);
  const GLint options = GL2PS_DRAW_BACKGROUND | GL2PS_USE_CURRENT_VIEWPORT | GL2PS_SILENT;
  const GLint sort = order == DepthOrder::Space ? GL2PS_BSP_SORT : GL2PS_SIMPLE_SORT;
  if (gl2psBeginPage(title.c_str(), "compositional-plots", nullptr, code, sort, options, GL_RGBA, 0,
                     nullptr, 0, 0, 0, own_values, stream, title.c_str()) != GL2PS_SUCCESS)
    throw RuntimeError(ErrorNumber::InvalidCall, "the vector page could not be started");
  if (format == PictureFormat::Eps) define_eps_font();
  replay_feedback(feedback, capture.texts, format);
  const GLint state = gl2psEndPage();
  if (state != GL2PS_SUCCESS && state != GL2PS_NO_FEEDBACK)
    throw RuntimeError(ErrorNumber::InvalidCall, "the vector file could not be written");
}

}  // namespace plot
