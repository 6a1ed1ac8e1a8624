/* The plotted point that the ternary, tetrahedron and region plug-ins share with their host.
 * Plain C; the layout is the natural one of a C compiler on the target (8-byte doubles). */
#ifndef PLOT_PUNT_H
#define PLOT_PUNT_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define PLOT_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define PLOT_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

typedef struct Punt {
  double X; /* plane coordinates */
  double Y;
  float Color[3]; /* red, green, blue, 0 to 1 */
  int16_t forma;  /* marker shape 1 to 10, in practice the point's group */
} Punt;

PLOT_STATIC_ASSERT(offsetof(Punt, Y) == 8, "Punt.Y");
PLOT_STATIC_ASSERT(offsetof(Punt, Color) == 16, "Punt.Color");
PLOT_STATIC_ASSERT(offsetof(Punt, forma) == 28, "Punt.forma");
PLOT_STATIC_ASSERT(sizeof(Punt) == 32, "Punt size");

#endif
