/* The records of Tormin's COpenGL_alr_3D.Passar_Punts, by reference. Nothing in the plug-in
 * draws them: the 3D plot reads its data from the exchange files. Usable from C and C++; the
 * layout is that of the fields as declared. */
#ifndef TORMIN_RECORDS_H
#define TORMIN_RECORDS_H

#include <stddef.h>
#include <stdint.h>

typedef struct Punt3D {
  double x;
  double y;
  double z;
  float color[3]; /* red, green, blue, 0 to 1 */
  int16_t forma;
} Punt3D;

#define TORMIN_PUNTS_UPPER 50 /* Punts is declared 0 To 50 */

typedef struct Vector_Punts_Tormin {
  Punt3D Punts[TORMIN_PUNTS_UPPER + 1];
  int16_t long_; /* long is a C keyword */
} Vector_Punts_Tormin;

/* The name a host gives this record in a PLOT_RECORD variant. */
#define TORMIN_VECTOR_PUNTS_TORMIN_NAME "Vector_Punts_Tormin"

/* The host's compiler must lay the records out the same way. */
#ifdef __cplusplus
#define TORMIN_LAYOUT_CHECK(condition) static_assert(condition, #condition)
#else
#define TORMIN_LAYOUT_CHECK(condition) _Static_assert(condition, #condition)
#endif
TORMIN_LAYOUT_CHECK(offsetof(Punt3D, z) == 16 && offsetof(Punt3D, color) == 24);
TORMIN_LAYOUT_CHECK(offsetof(Punt3D, forma) == 36 && sizeof(Punt3D) == 40);
TORMIN_LAYOUT_CHECK(offsetof(Vector_Punts_Tormin, long_) == 51 * sizeof(Punt3D));
TORMIN_LAYOUT_CHECK(sizeof(Vector_Punts_Tormin) == 2048);
#undef TORMIN_LAYOUT_CHECK

#endif
