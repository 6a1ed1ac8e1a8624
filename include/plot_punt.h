/* The colour and the plotted point that the log-ratio, ternary, tetrahedron and region plug-ins
 * share with their host, defined once for all of them. Plain C11; the layout is the natural one
 * of a C compiler on the target (8-byte doubles).
 *
 * Pellin spells the fields x, y, color (a vector_color) and forma, the other plug-ins X, Y,
 * Color (three floats) and forma: each pair is one field under two names, so a host written
 * with either spelling compiles against this one definition. */
#ifndef PLOT_PUNT_H
#define PLOT_PUNT_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define PLOT_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define PLOT_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

typedef struct vector_color {
  union {
    float Color[3]; /* red, green, blue, 0 to 1 */
    float color[3];
  };
} vector_color;

typedef struct Punt {
  union {
    double X; /* plane coordinates */
    double x;
  };
  union {
    double Y;
    double y;
  };
  union {
    float Color[3]; /* red, green, blue, 0 to 1 */
    vector_color color;
  };
  int16_t forma; /* marker shape 1 to 10, in practice the point's group */
} Punt;

PLOT_STATIC_ASSERT(sizeof(vector_color) == 12, "vector_color size");
PLOT_STATIC_ASSERT(offsetof(Punt, Y) == 8, "Punt.Y");
PLOT_STATIC_ASSERT(offsetof(Punt, Color) == 16, "Punt.Color");
PLOT_STATIC_ASSERT(offsetof(Punt, color) == 16, "Punt.color");
PLOT_STATIC_ASSERT(offsetof(Punt, forma) == 28, "Punt.forma");
PLOT_STATIC_ASSERT(sizeof(Punt) == 32, "Punt size");

#endif
