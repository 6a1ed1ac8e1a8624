/* The records of the biplot family: the 2D plug-in's mostrar takes Vector_Punts_bi and
 * Vector_Linies by reference; the 3D plug-in declares the same records with a third
 * coordinate for its Passar_Punts. Arrays keep their fixed bounds: Punts(0 To 500) is
 * Punts[501].
 *
 * `long` is a C keyword, so the count fields are spelled `long_`.
 *
 * Strings inside a record (`nomeixos`) are plot_string values: the host points each one at
 * its own UTF-8 bytes and gives their length; an unused name may be {NULL, 0}. The plug-in
 * copies the bytes while mostrar runs, so the host may free the record and its strings as
 * soon as mostrar returns. */
#ifndef PLOT_BIPLOT_RECORDS_H
#define PLOT_BIPLOT_RECORDS_H

#include <stddef.h>
#include <stdint.h>

#include "plot_plugin.h"
#include "plot_punt.h"

#define PLOT_BIPLOT_POINTS 501   /* Vector_Punts_bi.Punts: 0 To 500 */
#define PLOT_BIPLOT_RAYS 21      /* Vector_Linies.Punts, nomeixos, cpe: 0 To 20 */
#define PLOT_BIPLOT_3D_POINTS 51 /* Vector_Punts_bi_3D.Punts: 0 To 50 */

/* One observation, or the tip of one variable ray (only x and y used). */
typedef struct PuntBi {
  double x;
  double y;
  float color[3];  /* red, green, blue of the observation's dot, 0 to 1 */
  int16_t forma;   /* marker shape 1 to 10, normally the observation's group */
  int16_t outlier; /* Boolean: true is -1 */
} PuntBi;

typedef struct Vector_Punts_bi {
  PuntBi Punts[PLOT_BIPLOT_POINTS];
  int16_t long_; /* observations drawn, 0 to 501 */
} Vector_Punts_bi;

/* The variables (rays) and the proportions of variability explained. */
typedef struct Vector_Linies {
  PuntBi Punts[PLOT_BIPLOT_RAYS];         /* ray tips; entries 0 to long_ - 1 */
  plot_string nomeixos[PLOT_BIPLOT_RAYS]; /* variable names */
  int16_t long_;                          /* rays drawn, 0 to 21 */
  float cpe[PLOT_BIPLOT_RAYS];            /* cpe[j]: first j components; 1 to rang shown */
  int16_t rang;                           /* proportions shown, 0 to 20 */
} Vector_Linies;

typedef struct PuntBi3D {
  double x;
  double y;
  double z;
  float color[3];
  int16_t forma;
  int16_t outlier; /* Boolean */
} PuntBi3D;

typedef struct Vector_Punts_bi_3D {
  PuntBi3D Punts[PLOT_BIPLOT_3D_POINTS];
  int16_t long_;
} Vector_Punts_bi_3D;

typedef struct Vector_Linies_3D {
  PuntBi3D Punts[PLOT_BIPLOT_RAYS];
  plot_string nomeixos[PLOT_BIPLOT_RAYS];
  int16_t long_;
  float cpe[PLOT_BIPLOT_RAYS];
  int16_t Rang;
} Vector_Linies_3D;

/* The names a host gives these records in a PLOT_RECORD variant. */
#define PLOT_VECTOR_PUNTS_BI_NAME "Vector_Punts_bi"
#define PLOT_VECTOR_LINIES_NAME "Vector_Linies"
#define PLOT_VECTOR_PUNTS_BI_3D_NAME "Vector_Punts_bi_3D"
#define PLOT_VECTOR_LINIES_3D_NAME "Vector_Linies_3D"

PLOT_STATIC_ASSERT(offsetof(PuntBi, color) == 16, "PuntBi.color");
PLOT_STATIC_ASSERT(offsetof(PuntBi, forma) == 28, "PuntBi.forma");
PLOT_STATIC_ASSERT(offsetof(PuntBi, outlier) == 30, "PuntBi.outlier");
PLOT_STATIC_ASSERT(sizeof(PuntBi) == 32, "PuntBi size");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_bi, long_) == 16032, "Vector_Punts_bi.long_");
PLOT_STATIC_ASSERT(sizeof(Vector_Punts_bi) == 16040, "Vector_Punts_bi size");
PLOT_STATIC_ASSERT(offsetof(Vector_Linies, nomeixos) == 672, "Vector_Linies.nomeixos");
PLOT_STATIC_ASSERT(offsetof(Vector_Linies, long_) == 1008, "Vector_Linies.long_");
PLOT_STATIC_ASSERT(offsetof(Vector_Linies, cpe) == 1012, "Vector_Linies.cpe");
PLOT_STATIC_ASSERT(offsetof(Vector_Linies, rang) == 1096, "Vector_Linies.rang");
PLOT_STATIC_ASSERT(sizeof(Vector_Linies) == 1104, "Vector_Linies size");
PLOT_STATIC_ASSERT(offsetof(PuntBi3D, color) == 24, "PuntBi3D.color");
PLOT_STATIC_ASSERT(offsetof(PuntBi3D, outlier) == 38, "PuntBi3D.outlier");
PLOT_STATIC_ASSERT(sizeof(PuntBi3D) == 40, "PuntBi3D size");
PLOT_STATIC_ASSERT(offsetof(Vector_Punts_bi_3D, long_) == 2040, "Vector_Punts_bi_3D.long_");
PLOT_STATIC_ASSERT(sizeof(Vector_Punts_bi_3D) == 2048, "Vector_Punts_bi_3D size");
PLOT_STATIC_ASSERT(offsetof(Vector_Linies_3D, nomeixos) == 840, "Vector_Linies_3D.nomeixos");
PLOT_STATIC_ASSERT(offsetof(Vector_Linies_3D, long_) == 1176, "Vector_Linies_3D.long_");
PLOT_STATIC_ASSERT(offsetof(Vector_Linies_3D, cpe) == 1180, "Vector_Linies_3D.cpe");
PLOT_STATIC_ASSERT(offsetof(Vector_Linies_3D, Rang) == 1264, "Vector_Linies_3D.Rang");
PLOT_STATIC_ASSERT(sizeof(Vector_Linies_3D) == 1272, "Vector_Linies_3D size");

#endif
