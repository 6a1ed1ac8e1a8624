/* The C interface of every plot plug-in (biplot.so, Havrel.so, Pellin.so, Tormin.so,
 * ternary.so, Quadrel.so, Vorn.so, Vornc.so). A host loads a plug-in with dlopen, finds these
 * functions with dlsym, creates its classes by name and drives them late-bound.
 *
 * Every function that can fail returns 0 on success or the run-time error number, and fills
 * the optional `error` with that number and its text. Strings are counted UTF-8.
 *
 * Threads. A host may call a plug-in from any thread. Calls into one plug-in are taken one at
 * a time: a second thread's call waits until the first returns, so a sequence of calls (mostrar,
 * then the picture) is the host's to keep together. A message sink runs on the thread whose call
 * raised the message, while that call holds the plug-in: it may call the plug-in again from that
 * thread, but must not wait for another thread that calls it. Viewer windows, message boxes and
 * the event loop belong to one thread, the first to open a window, show a message box or run
 * plot_ui_wait with a display: from any other thread, mostrar with windows and the plot_viewer_
 * calls that work a window fail with 5 "Viewer windows belong to another thread", its picture
 * is none (0 bytes) and plot_ui_wait returns at once. Off-screen viewers have no such thread.
 * While plot_ui_wait waits for events, other threads' calls go on.
 *
 * Group names. The legend rows read "Grup 1", "Grup 2", ... unless the host names its groups:
 * on CDades_biplot, CDades_ALR, CDades_Ternary, CDades_VORN_C and CDades_vorn the property
 * nomsGrups, a string array 1 To nGrups (PLOT_STRINGS; UTF-8, at most
 * PLOT_MAX_GROUP_NAME_LENGTH characters each), and for Havrel, Tormin and Quadrel the optional
 * exchange file "\nomsGrups.qvm" (plot_exchange_layouts.h). A character the viewer has no glyph
 * for shows as "?" (Pellin, Tormin, Vorn and Vornc draw codes 32 to 127 only). mostrar checks the
 * names before it shows anything: other bounds or fewer names than nGrups are 9, a longer name
 * 6. An empty array (the default) means no names. CDades_vorn also takes nGrups (16 bits): with
 * two groups or more it shows the colour legend of CDades_VORN_C. CDades_VORN_C takes
 * corbesColor (Boolean, default false): true draws each group's curve in its legend colour. */
#ifndef PLOT_PLUGIN_H
#define PLOT_PLUGIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define PLOT_API __attribute__((visibility("default")))
#define PLOT_API_VERSION 1

/* Booleans cross the interface as 16 bits: true is -1, false 0. */
#define PLOT_TRUE ((int16_t)-1)
#define PLOT_FALSE ((int16_t)0)

typedef enum plot_type {
  PLOT_EMPTY = 0,
  PLOT_BOOL = 1,     /* boolean, 16 bits */
  PLOT_I2 = 2,       /* 16-bit integer */
  PLOT_I4 = 3,       /* 32-bit integer */
  PLOT_R4 = 4,       /* 32-bit float */
  PLOT_R8 = 5,       /* 64-bit float */
  PLOT_STRING = 6,   /* counted string */
  PLOT_RECORD = 7,   /* a record of the plug-in's header, by reference */
  PLOT_STRINGS = 8,  /* one-dimensional string array with its bounds */
  PLOT_R8_ARRAY2 = 9 /* two-dimensional array of 64-bit floats with its bounds */
} plot_type;

typedef struct plot_string {
  const char* data; /* UTF-8, need not end with 0 */
  int32_t length;
} plot_string;

typedef struct plot_record {
  const char* name; /* the record's type name, e.g. "Vector_Punts_arl" */
  void* data;
  int32_t size; /* sizeof the record */
} plot_record;

typedef struct plot_strings {
  int32_t lower; /* bounds, e.g. 1 To 3 */
  int32_t upper;
  const plot_string* items; /* upper - lower + 1 items */
} plot_strings;

/* A two-dimensional array of 64-bit floats declared (row_lower To row_upper, column_lower To
 * column_upper), e.g. Tormin's parts (1 To 6000, 1 To 4). The items are stored row by row, as
 * a C array double[rows][columns]: element (r, c) is
 * items[(r - row_lower) * (column_upper - column_lower + 1) + (c - column_lower)].
 * The plug-in reads the items during the call only; the host keeps them. */
typedef struct plot_r8_array2 {
  int32_t row_lower;
  int32_t row_upper;
  int32_t column_lower;
  int32_t column_upper;
  const double* items;
} plot_r8_array2;

/* A `type` outside plot_type is refused as a Type mismatch (13), never read as a value. */
typedef struct plot_variant {
  plot_type type;
  union {
    int16_t boolean;
    int16_t i2;
    int32_t i4;
    float r4;
    double r8;
    plot_string string; /* a string returned by the plug-in is freed by plot_variant_clear */
    plot_record record;
    plot_strings strings; /* an array returned by the plug-in is freed by plot_variant_clear */
    plot_r8_array2 r8_array2;
  } value;
} plot_variant;

typedef struct plot_error {
  int32_t number;
  char text[256];
} plot_error;

typedef struct plot_object plot_object;

PLOT_API int32_t plot_api_version(void);
/* The deliverable's name, e.g. "Pellin". */
PLOT_API const char* plot_plugin_name(void);
/* The creatable classes, e.g. "CDades_ALR" and "COpenGL_alr"; index from 0. */
PLOT_API const char* plot_class_name(int32_t index);

PLOT_API int32_t plot_create(const char* class_name, plot_object** object, plot_error* error);
/* Each object is released exactly once and not used afterwards. Releasing or using an object
 * already released is the host's fault: a pointer the plug-in no longer knows is refused (5) or,
 * by plot_release, ignored, but a later plot_create may have been given the same address. */
PLOT_API void plot_release(plot_object* object);
PLOT_API int32_t plot_get(plot_object* object, const char* property, plot_variant* value,
                          plot_error* error);
PLOT_API int32_t plot_put(plot_object* object, const char* property, const plot_variant* value,
                          plot_error* error);
/* A method takes its arguments in order; a wrong count is 5 "Wrong number of arguments". A
 * method's last record arguments may be optional (Vorn's and Vornc's mostrar): left out, or
 * passed as a PLOT_EMPTY variant, they are none. */
PLOT_API int32_t plot_call(plot_object* object, const char* method, const plot_variant* arguments,
                           int32_t count, plot_variant* result, plot_error* error);
PLOT_API void plot_variant_clear(plot_variant* value);

/* 1 when no object of the plug-in lives and no viewer is shown, so it may be unloaded. */
PLOT_API int32_t plot_can_unload_now(void);
/* Writes (or removes) "<folder>/<plug-in>.plugin", a manifest naming the library and its
 * classes; folder NULL means $HOME/.local/share/compositional-plots/plugins. */
PLOT_API int32_t plot_register(const char* folder, plot_error* error);
PLOT_API int32_t plot_unregister(const char* folder, plot_error* error);

/* Viewers. Mode 0: a window when an X display can be opened, else off screen; 1: windows;
 * 2: off screen (no X server needed). Takes effect for viewers not made yet. */
PLOT_API void plot_set_display_mode(int32_t mode);
/* Messages go to `sink` instead of a dialog; NULL restores the dialog. */
PLOT_API void plot_set_message_sink(void (*sink)(const char* text, void* user), void* user);
PLOT_API int32_t plot_viewer_shown(void);
PLOT_API int64_t plot_viewer_frames(void);
/* Non-zero: every presented frame is read back at once and kept, also after the viewer closes.
 * 0 (the default): the picture is read when asked for, while the viewer is open; an open window
 * then draws one more frame (counted by plot_viewer_frames) and keeps that. */
PLOT_API void plot_set_frame_capture(int32_t on);
/* Copies the picture on show as RGB rows, top first; returns the bytes needed. */
PLOT_API int32_t plot_viewer_picture(uint8_t* rgb, int32_t capacity, int32_t* width,
                                     int32_t* height);
/* The picture on show as a PNG file, written whole beside the path and renamed to it, as
 * plot_viewer_write does; 5 with "cannot open PATH for writing" or "cannot write PATH". */
PLOT_API int32_t plot_viewer_write_png(const char* path, plot_error* error);
/* Writes the picture on show in the format of the path's extension, in any letter case:
 * ".png" the picture's pixels (as plot_viewer_write_png); ".svg", ".pdf" and ".eps" the scene
 * of the open viewer (2D or 3D, after its turns, zooms and resizes) as vector drawing: lines
 * and points with their widths, sizes and dashes, marker shapes as shapes, texts as text in a
 * bold sans-serif face (Helvetica Bold: the PDF's and EPS's standard font) at the places the
 * picture has them, the 3D scenes sorted by depth. One pixel of the picture is one unit (a
 * point in PDF and EPS). The file is made whole beside the path and then renamed to it:
 * nothing half-written is left, and an existing file stays as it was on any failure.
 * Errors, all 5 with their text: another extension ("Invalid procedure call or argument",
 * nothing written); no viewer, or nothing to show ("no picture has been presented", as for a
 * PNG of a viewer whose scene raised an error: vector files are drawn from an open viewer
 * only); a path that cannot be written ("cannot write PATH: REASON"). */
PLOT_API int32_t plot_viewer_write(const char* path, plot_error* error);
/* The picture scale, 1 (the default) to 4, of off-screen viewers: the shown one, at once, and
 * every later one. At scale s the client area keeps its size in window pixels (the designed
 * size, plot_viewer_resize) and the picture has s times the pixels each way: texts (glyphs made
 * from the same face at s times the size), marker shapes, dots, line widths and dashes scale
 * with it, so the picture at scale 2 is the one at scale 1 at twice the resolution. Windows on
 * a desktop keep the screen's pixels. The scaled surface must fit the largest surface of
 * plot_viewer_resize (the driver's pbuffer and viewport limits, and 8192 x 4096 pixels in all).
 * A scale outside 1 to 4, or one whose surface would not fit, is refused with 5 and its text,
 * and nothing changes. */
PLOT_API int32_t plot_set_picture_scale(int32_t scale, plot_error* error);
/* What a user does: click a button by name ("Sortir", "Rot_YY", "inc_zoom"...), resize the
 * client area, close the window. A client area beyond the largest surface (the driver's limits,
 * and no more than 8192 x 4096 pixels in all; off screen, the size times the picture scale) is
 * refused with 5 and the viewer keeps its size. */
PLOT_API int32_t plot_viewer_click(const char* button, plot_error* error);
PLOT_API int32_t plot_viewer_resize(int32_t width, int32_t height, plot_error* error);
PLOT_API int32_t plot_viewer_close(plot_error* error);
/* A left-button drag over the picture by (dx, dy) pixels, y down: the 3D viewers turn half a
 * degree a pixel (dx about the y axis, dy about the x axis). A wheel turn of `steps` notches,
 * positive zooming in by the zoom buttons' step. Both draw at the next plot_ui_wait, once
 * however many came before it; the 2D viewers ignore them. */
PLOT_API int32_t plot_viewer_drag(int32_t dx, int32_t dy, plot_error* error);
PLOT_API int32_t plot_viewer_wheel(int32_t steps, plot_error* error);
/* Runs the user-interface loop for up to `seconds`, or until no window is shown when
 * `seconds` is negative or infinite. NaN waits for nothing: pending events are handled and the
 * call returns at once. */
PLOT_API void plot_ui_wait(double seconds);

/* A device context of an off-screen surface, for a renderer created on its own; 0 when the
 * size is beyond the largest surface. The surface lives until plot_release_device_context or
 * until the plug-in is unloaded; a renderer still using it then draws nothing. */
PLOT_API int32_t plot_offscreen_device_context(int32_t width, int32_t height);
/* Frees a surface made by plot_offscreen_device_context: 0, or 5 for a number it did not give. */
PLOT_API int32_t plot_release_device_context(int32_t hdc);

#ifdef __cplusplus
}
#endif

#endif
