/* What every plug-in exports for tests of a host or of the plug-in itself, beside the stable
 * interface of plot_plugin.h. Not installed: these may change between versions. */
#ifndef PLOT_PLUGIN_TESTING_H
#define PLOT_PLUGIN_TESTING_H

#include <stdint.h>

#include "plot_plugin.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Renderer objects alive in the plug-in, whoever made them (a viewer or the host). */
PLOT_API int32_t plot_testing_live_renderers(void);
/* Rendering contexts held by renderers; a context kept idle for reuse is not counted. */
PLOT_API int32_t plot_testing_live_contexts(void);
/* While `on` is non-zero, every attempt of the step `what` fails as the platform call would:
 * "pixel_format" (no format matches), "set_pixel_format" (the format is not set), "context"
 * (no context is made) or "fonts" (no glyphs are made). Other names change nothing. */
PLOT_API void plot_testing_fail(const char* what, int32_t on);
/* The last frame presented into a surface made by plot_offscreen_device_context, as
 * plot_viewer_picture gives a viewer's: RGB rows, top first; returns the bytes needed, 0 (and
 * a size of 0 x 0) before the first frame or for a number it did not give. */
PLOT_API int32_t plot_device_context_picture(int32_t hdc, uint8_t* rgb, int32_t capacity,
                                             int32_t* width, int32_t* height);
/* While `on` is non-zero, each frame's display calls the renderer's display once more from
 * inside itself, as a paint arriving mid-frame. */
PLOT_API void plot_testing_reenter_display(int32_t on);

#ifdef __cplusplus
}
#endif

#endif
