/* The earlier name of Pellin's records, kept for hosts written against it: the records are
 * those of plot_logratio_records.h, under the names this header gave them. */
#ifndef PELLIN_RECORDS_H
#define PELLIN_RECORDS_H

#include "plot_logratio_records.h"

#define PELLIN_PUNTS_UPPER (PLOT_LOGRATIO_POINTS - 1)
#define PELLIN_VECTOR_PUNTS_ARL_NAME PLOT_VECTOR_PUNTS_ARL_NAME

#ifdef __cplusplus
namespace pellin {
using ::Punt;
using ::vector_color;
using ::Vector_Punts_arl;
}  // namespace pellin
#endif

#endif
