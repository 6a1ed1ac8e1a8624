/* The records a host hands to the ternary plug-in's mostrar, by reference. The tetrahedron
 * plug-in keeps its data in the same records, and the region plug-ins (Vorn, Vornc) take a
 * Vector_Punts as their optional observations. Arrays keep their fixed bounds: Punts(0 To 500)
 * is Punts[501].
 *
 * `long` is a C keyword, so the count fields are spelled `long_`. */
#ifndef PLOT_TERNARY_RECORDS_H
#define PLOT_TERNARY_RECORDS_H

#include "plot_punt.h"

#define PLOT_MAX_POINTS 501       /* Vector_Punts.Punts: 0 To 500 */
#define PLOT_GRID_ENDS 11         /* Vector_Punts_Graella.Punts1, Punts2: 0 To 10 */
#define PLOT_GRID_FAMILIES 4      /* Vector_Graella.VPG: 0 To 3; 1 to 3 are drawn */
#define PLOT_COMPONENT_POINTS 151 /* Vector_Punts_PC.Punts1, Punts2: 0 To 150 */

/* The data points; entries 0 to long_ - 1 are used. */
typedef struct Vector_Punts {
  Punt Punts[PLOT_MAX_POINTS];
  int16_t long_;
} Vector_Punts;

/* One family of grid end points; entries 1 to nPuntsGrid are used, only X and Y read. */
typedef struct Vector_Punts_Graella {
  Punt Punts1[PLOT_GRID_ENDS];
  Punt Punts2[PLOT_GRID_ENDS];
  int16_t long_; /* carried, not read */
} Vector_Punts_Graella;

typedef struct Vector_Graella {
  Vector_Punts_Graella VPG[PLOT_GRID_FAMILIES];
  int16_t nPuntsGrid; /* grid lines per family, 0 to 10 */
} Vector_Graella;

/* The two principal-component polylines and their figures. */
typedef struct Vector_Punts_PC {
  Punt Punts1[PLOT_COMPONENT_POINTS];
  Punt Punts2[PLOT_COMPONENT_POINTS];
  int16_t long1;
  int16_t long2;
  float cpe[2]; /* cumulative proportion explained by the first and the first two */
  float pc[6];  /* coefficients: pc[0..2] of the first component, pc[3..5] of the second */
} Vector_Punts_PC;

/* The names a host gives these records in a PLOT_RECORD variant. */
#define PLOT_VECTOR_PUNTS_NAME "Vector_Punts"
#define PLOT_VECTOR_GRAELLA_NAME "Vector_Graella"
#define PLOT_VECTOR_PUNTS_PC_NAME "Vector_Punts_PC"

PLOT_STATIC_ASSERT(offsetof(Vector_Punts, long_) == 16032, "Vector_Punts.long_");
PLOT_STATIC_ASSERT(sizeof(Vector_Punts) == 16040, "Vector_Punts size");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_Graella, Punts2) == 352, "Vector_Punts_Graella.Punts2");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_Graella, long_) == 704, "Vector_Punts_Graella.long_");
PLOT_STATIC_ASSERT(sizeof(Vector_Punts_Graella) == 712, "Vector_Punts_Graella size");
PLOT_STATIC_ASSERT(offsetof(Vector_Graella, nPuntsGrid) == 2848, "Vector_Graella.nPuntsGrid");
PLOT_STATIC_ASSERT(sizeof(Vector_Graella) == 2856, "Vector_Graella size");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_PC, Punts2) == 4832, "Vector_Punts_PC.Punts2");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_PC, long1) == 9664, "Vector_Punts_PC.long1");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_PC, long2) == 9666, "Vector_Punts_PC.long2");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_PC, cpe) == 9668, "Vector_Punts_PC.cpe");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_PC, pc) == 9676, "Vector_Punts_PC.pc");
PLOT_STATIC_ASSERT(sizeof(Vector_Punts_PC) == 9704, "Vector_Punts_PC size");

#endif
