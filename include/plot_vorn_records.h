/* The record a host hands to the predictive-region plug-in's mostrar, by reference: up to three
 * nested regions in the plane of the ternary frame, each a closed curve given as two branches
 * that the plug-in joins at both ends. Arrays keep their fixed bounds: Punts1(0 To 100) is
 * Punts1[101].
 *
 * mostrar(VPVORNt, coor [, VPt]): the optional third argument is the observations, a
 * Vector_Punts of plot_ternary_records.h (PLOT_VECTOR_PUNTS_NAME) as the ternary plug-in takes
 * it: points 0 to long_ - 1, each a dot of 5 pixels in its own Color at the ternary diagram's
 * data depth, or, with the Boolean property `formes` set on CDades_vorn, the black marker of its
 * forma (1 to 10, other values nothing); the curves stay on top where they cross. A long_ outside 0
 * to 501 is 9 "Subscript out of range" from mostrar and no window. Left out, the plot is as before.
 * The caption names the levels of regions 1 to nNivells. */
#ifndef PLOT_VORN_RECORDS_H
#define PLOT_VORN_RECORDS_H

#include "plot_punt.h"

#define PLOT_VORN_BRANCH_POINTS 101 /* Vector_Punts_VORN.Punts1, Punts2: 0 To 100 */
#define PLOT_VORN_REGIONS 4         /* Vector_VORN.VPVORN: 0 To 3; 1 to nNivells are drawn */

/* One region; only X and Y of the points are read. */
typedef struct Vector_Punts_VORN {
  Punt Punts1[PLOT_VORN_BRANCH_POINTS]; /* first branch, entries 0 to long1 - 1 */
  Punt Punts2[PLOT_VORN_BRANCH_POINTS]; /* second branch, entries 0 to long2 - 1 */
  int16_t long1;                        /* 1 to 101 */
  int16_t long2;                        /* 1 to 101 */
  float alpha;                          /* the region's level, shown in the caption */
} Vector_Punts_VORN;

typedef struct Vector_VORN {
  Vector_Punts_VORN VPVORN[PLOT_VORN_REGIONS]; /* 1 to 3 named in the caption, 0 unused */
  int16_t nNivells;                            /* regions drawn, 0 to 3 */
} Vector_VORN;

/* The name a host gives this record in a PLOT_RECORD variant. */
#define PLOT_VECTOR_VORN_NAME "Vector_VORN"

PLOT_STATIC_ASSERT(offsetof(Vector_Punts_VORN, Punts2) == 3232, "Vector_Punts_VORN.Punts2");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_VORN, long1) == 6464, "Vector_Punts_VORN.long1");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_VORN, long2) == 6466, "Vector_Punts_VORN.long2");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_VORN, alpha) == 6468, "Vector_Punts_VORN.alpha");
PLOT_STATIC_ASSERT(sizeof(Vector_Punts_VORN) == 6472, "Vector_Punts_VORN size");
PLOT_STATIC_ASSERT(offsetof(Vector_VORN, nNivells) == 25888, "Vector_VORN.nNivells");
PLOT_STATIC_ASSERT(sizeof(Vector_VORN) == 25896, "Vector_VORN size");

#endif
