#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "core/platform/drawing_surface.h"
#include "core/platform/picture_format.h"
#include "core/profile/plugin_profile.h"
#include "core/render/boolean.h"
#include "core/render/marker_shapes.h"

namespace plot {

// The common part of every COpenGL_ class: rendering context, glyph lists, camera, frame,
// text output and marker shapes. Each plot adds its settings, its records with Passar_Punts,
// and DrawAxes.
class Renderer {
 public:
  explicit Renderer(const PluginProfile& profile);
  virtual ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  const PluginProfile& profile() const { return profile_; }

  // Properties of the interface (which of them a plug-in exposes is in its class table).
  double m_fieldOfView = 0;
  float xAngle = 0;
  float yAngle = 0;
  float zAngle = 0;
  double xPunt = 0;
  double yPunt = 0;
  int16_t colorp = 0;
  int16_t colorf = 0;
  int16_t colort = 0;

  Boolean Initialize(int32_t& hwnd, int32_t& hdc);
  void glPrint(const std::string& s);
  // How far glPrint moves the raster position for `s`, in pixels of the picture.
  float text_width(const std::string& s) const;
  void display();
  void OnSize(int32_t W, int32_t H);
  void SetViewPort();
  void Class_Terminate();
  void DrawWorld();
  void InitializeForms();
  // The common rotations; each plot draws the rest after calling this.
  virtual void DrawAxes(int32_t& x, int32_t& y, int32_t& z);

  bool has_context() const { return context_ != nullptr; }
  GLuint world_list() const { return world_list_; }
  GLuint glyph_base() const { return glyph_base_; }
  double aspect_ratio() const { return aspect_; }
  const MarkerLists& markers() const { return markers_; }
  // The frame last presented, where its surface keeps it (off screen); false otherwise.
  bool read_kept_frame(Image& into);

  // The scale its surface had at Initialize or at the last rescale.
  int picture_scale() const { return picture_scale_; }
  // Takes up the surface's picture scale: glyphs, marker shapes and scene made again under
  // the same list numbers.
  void rescale();
  // The frame display draws, as an SVG, PDF or EPS file (Invalid procedure call without a
  // context); the scene's run-time errors end it.
  void write_vector(PictureFormat format, std::FILE* stream);

 protected:
  // Step 15 of Initialize in the 3D plug-ins: reads the exchange files; false after a
  // reported missing file.
  virtual bool load_exchange_data() { return true; }
  // A plot whose profile has no marker shapes may want them for what the host handed it; asked
  // in Initialize, after the records and settings.
  virtual bool wants_marker_shapes() const { return false; }

  // Makes this renderer's context current; false when it has none.
  bool make_current();

 private:
  void set_clear_colour_from_code();
  // A test's paint mid-frame: display from inside display, once however it goes.
  void reenter_display_once();
  // What display draws after the clear: the frame's starting state, the eye and `scene`.
  void draw_frame(const std::function<void()>& scene);

  const PluginProfile& profile_;
  int32_t hwnd_ = 0;
  int32_t hdc_ = 0;
  std::unique_ptr<GlContext> context_;
  GLuint glyph_base_ = 0;
  double aspect_ = 0;
  double near_ = 0;
  double far_ = 0;
  GLuint world_list_ = 0;
  bool busy_ = false;
  int picture_scale_ = 1;
  MarkerLists markers_;
};

// The renderers alive in the plug-in, and how many of them hold a rendering context.
int32_t live_renderer_count();
int32_t live_context_count();

// The renderer of one plug-in, set up from its row of the profile table.
template <PluginKind Kind>
class RendererOf : public Renderer {
 public:
  static constexpr PluginKind kKind = Kind;
  RendererOf() : Renderer(profile_of(Kind)) {}
};

}  // namespace plot
