#pragma once

#include <GL/gl.h>

namespace plot {

// A rendering context of one back-end. Deleting it frees every display list made in it;
// it can be deleted after its window is gone.
class GlContext {
 public:
  virtual ~GlContext() = default;

  // Makes no context of this back-end current on the thread.
  virtual void release_current() = 0;
  // glGenLists while current; a reused context gives the names a fresh one would.
  virtual GLuint gen_lists(GLsizei count) { return glGenLists(count); }
};

}  // namespace plot
