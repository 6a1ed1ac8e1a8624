/* The record a host hands to the confidence-region plug-in's mostrar, by reference: per group
 * a closed curve of 60 points and the group's centre, in the plane of the ternary frame, and
 * the level as text. Arrays declared 1 To N are stored from C index 0: Punts(1 To 60) is
 * Punts[60], Punts(d) is Punts[d - 1].
 *
 * mostrar(VPVORNt, coor [, VPt]): the optional third argument is the observations, a
 * Vector_Punts of plot_ternary_records.h (PLOT_VECTOR_PUNTS_NAME), drawn as the ternary plug-in
 * draws its points: with `formes` each the black marker of its forma (1 to 10, other values
 * nothing), else a dot of 5 pixels in its own Color; the curves and centres stay on top. A
 * long_ outside 0 to 501 is 9 "Subscript out of range" from mostrar and no window. Left out,
 * the plot is as before.
 *
 * The level `alpha` is a plot_string: the host points it at its own UTF-8 bytes and gives their
 * length ({NULL, 0} is the empty text). The plug-in copies the bytes while mostrar runs, so the
 * host may free the record and the text as soon as mostrar returns. */
#ifndef PLOT_VORNC_RECORDS_H
#define PLOT_VORNC_RECORDS_H

#include "plot_plugin.h"
#include "plot_punt.h"

#define PLOT_VORNC_CURVE_POINTS 60 /* Vector_Punt_VORN_C.Punts: 1 To 60 */
#define PLOT_VORNC_GROUPS 10       /* Vector_Punts_VORN_C.Pgrups: 1 To 10 */

/* One group; only X and Y of the points are read. */
typedef struct Vector_Punt_VORN_C {
  Punt Punts[PLOT_VORNC_CURVE_POINTS]; /* the closed curve, in drawing order */
  Punt Geom;                           /* the group's centre */
} Vector_Punt_VORN_C;

typedef struct Vector_Punts_VORN_C {
  Vector_Punt_VORN_C Pgrups[PLOT_VORNC_GROUPS]; /* groups 1 to nGrups are drawn */
  plot_string alpha;                            /* the level, printed as given */
} Vector_Punts_VORN_C;

/* A colour of the same shape as a Punt's, carried by the plug-in's interface. */
typedef struct vector_color_VORNC {
  float Color[3]; /* red, green, blue */
} vector_color_VORNC;

/* The name a host gives this record in a PLOT_RECORD variant. */
#define PLOT_VECTOR_PUNTS_VORN_C_NAME "Vector_Punts_VORN_C"

PLOT_STATIC_ASSERT(offsetof(Vector_Punt_VORN_C, Geom) == 1920, "Vector_Punt_VORN_C.Geom");
PLOT_STATIC_ASSERT(sizeof(Vector_Punt_VORN_C) == 1952, "Vector_Punt_VORN_C size");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_VORN_C, alpha) == 19520, "Vector_Punts_VORN_C.alpha");
PLOT_STATIC_ASSERT(sizeof(Vector_Punts_VORN_C) == 19536, "Vector_Punts_VORN_C size");
PLOT_STATIC_ASSERT(sizeof(vector_color_VORNC) == 12, "vector_color_VORNC size");

#endif
