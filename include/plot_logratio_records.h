/* The records of the log-ratio plug-ins, by reference: Pellin's CDades_ALR.mostrar takes a
 * Vector_Punts_arl; Tormin's COpenGL_alr_3D.Passar_Punts takes a Vector_Punts_Tormin, which
 * nothing draws (the 3D plot reads its data from the exchange files). Arrays keep their fixed
 * bounds: Punts(0 To 500) is Punts[501].
 *
 * `long` is a C keyword, so the count fields are spelled `long_`. */
#ifndef PLOT_LOGRATIO_RECORDS_H
#define PLOT_LOGRATIO_RECORDS_H

#include <stddef.h>
#include <stdint.h>

#include "plot_punt.h"

#define PLOT_LOGRATIO_POINTS 501   /* Vector_Punts_arl.Punts: 0 To 500 */
#define PLOT_LOGRATIO_3D_POINTS 51 /* Vector_Punts_Tormin.Punts: 0 To 50 */

typedef struct Vector_Punts_arl {
  Punt Punts[PLOT_LOGRATIO_POINTS];
  int16_t long_; /* observations drawn, 0 to 501 */
} Vector_Punts_arl;

typedef struct Punt3D {
  double x;
  double y;
  double z;
  float color[3]; /* red, green, blue, 0 to 1 */
  int16_t forma;
} Punt3D;

typedef struct Vector_Punts_Tormin {
  Punt3D Punts[PLOT_LOGRATIO_3D_POINTS];
  int16_t long_;
} Vector_Punts_Tormin;

/* The names a host gives these records in a PLOT_RECORD variant. */
#define PLOT_VECTOR_PUNTS_ARL_NAME "Vector_Punts_arl"
#define PLOT_VECTOR_PUNTS_TORMIN_NAME "Vector_Punts_Tormin"

PLOT_STATIC_ASSERT(offsetof(Vector_Punts_arl, long_) == 16032, "Vector_Punts_arl.long_");
PLOT_STATIC_ASSERT(sizeof(Vector_Punts_arl) == 16040, "Vector_Punts_arl size");
PLOT_STATIC_ASSERT(offsetof(Punt3D, z) == 16, "Punt3D.z");
PLOT_STATIC_ASSERT(offsetof(Punt3D, color) == 24, "Punt3D.color");
PLOT_STATIC_ASSERT(offsetof(Punt3D, forma) == 36, "Punt3D.forma");
PLOT_STATIC_ASSERT(sizeof(Punt3D) == 40, "Punt3D size");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_Tormin, long_) == 2040, "Vector_Punts_Tormin.long_");
PLOT_STATIC_ASSERT(sizeof(Vector_Punts_Tormin) == 2048, "Vector_Punts_Tormin size");

#endif
