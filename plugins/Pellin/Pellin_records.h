/* The records the host hands to Pellin's CDades_ALR.mostrar, by reference. Shared by the host
 * and the plug-in, usable from C and C++; the layout is that of the fields as declared. */
#ifndef PELLIN_RECORDS_H
#define PELLIN_RECORDS_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
/* Another plug-in's header may declare a different Punt: in C++ these live in a namespace so
 * that a host including both stays one definition per name. */
namespace pellin {
#endif

typedef struct vector_color {
  float color[3]; /* red, green, blue, 0 to 1 */
} vector_color;

typedef struct Punt {
  double x; /* plane coordinates in the frame of the axes */
  double y;
  vector_color color;
  int16_t forma; /* the group: marker shape 1 to 10 */
} Punt;

#define PELLIN_PUNTS_UPPER 500 /* Punts is declared 0 To 500 */

typedef struct Vector_Punts_arl {
  Punt Punts[PELLIN_PUNTS_UPPER + 1];
  /* The count of observations drawn, 0 to 501; called long_ because long is a C keyword. */
  int16_t long_;
} Vector_Punts_arl;

/* The name a host gives this record in a PLOT_RECORD variant. */
#define PELLIN_VECTOR_PUNTS_ARL_NAME "Vector_Punts_arl"

/* The host's compiler must lay the records out the same way. */
#ifdef __cplusplus
#define PELLIN_LAYOUT_CHECK(condition) static_assert(condition, #condition)
#else
#define PELLIN_LAYOUT_CHECK(condition) _Static_assert(condition, #condition)
#endif
PELLIN_LAYOUT_CHECK(sizeof(vector_color) == 12);
PELLIN_LAYOUT_CHECK(offsetof(Punt, x) == 0 && offsetof(Punt, y) == 8);
PELLIN_LAYOUT_CHECK(offsetof(Punt, color) == 16 && offsetof(Punt, forma) == 28);
PELLIN_LAYOUT_CHECK(sizeof(Punt) == 32);
PELLIN_LAYOUT_CHECK(offsetof(Vector_Punts_arl, long_) == 501 * sizeof(Punt));
PELLIN_LAYOUT_CHECK(sizeof(Vector_Punts_arl) == 16040);
#undef PELLIN_LAYOUT_CHECK

#ifdef __cplusplus
} /* namespace pellin */
#endif

#endif
