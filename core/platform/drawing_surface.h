#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "core/platform/gl_context.h"
#include "core/platform/image.h"
#include "core/platform/pixel_format.h"

namespace plot {

// What the renderer needs of a window's device context: pixel format, contexts, buffer swap.
class DrawingSurface {
 public:
  // Called with the finished frame still readable (read_frame), just before it is presented.
  using PresentObserver = std::function<void(DrawingSurface& surface)>;

  virtual ~DrawingSurface() = default;

  // Each of these fails when no format or context can be had, or a test asked for the failure.
  // 0 when no format matches.
  int choose_pixel_format(const PixelFormatDescriptor& descriptor);
  bool set_pixel_format(int format);
  std::unique_ptr<GlContext> create_context();
  virtual bool make_current(GlContext& context) = 0;
  // Tells the observer about the frame and presents it.
  void swap_buffers();
  // The current context's frame; after a swap only where keeps_last_frame.
  Image read_frame() const { return read_back_buffer(width(), height()); }
  void read_frame(Image& into) const { read_back_buffer(width(), height(), into); }
  // True when the frame stays readable after it was presented (a pbuffer is never swapped).
  virtual bool keeps_last_frame() const { return false; }

  virtual int32_t width() const = 0;
  virtual int32_t height() const = 0;
  // How many of its pixels stand for one of the picture at scale 1, each way.
  virtual int picture_scale() const { return 1; }

  void set_present_observer(PresentObserver observer) { observer_ = std::move(observer); }

 protected:
  virtual int find_pixel_format(const PixelFormatDescriptor& descriptor) = 0;
  virtual bool apply_pixel_format(int format) = 0;
  virtual std::unique_ptr<GlContext> new_context() = 0;
  virtual void present() = 0;

 private:
  PresentObserver observer_;
};

// Before a context of one back-end is made current, the other back-end's is released.
void note_current_context(GlContext* context);
// A context being deleted stops being the one noted as current.
void forget_context(GlContext* context);
// Makes the context noted as current no longer current on the thread.
void release_noted_context();
// Display-list names from the context noted as current (glGenLists when none is).
GLuint gen_lists(GLsizei count);

}  // namespace plot
