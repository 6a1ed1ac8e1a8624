/* The limits a host must keep to, beyond the fixed bounds of each record: what the plug-ins'
 * tables hold. One past a limit is "Subscript out of range" (9) while mostrar runs. */
#ifndef PLOT_LIMITS_H
#define PLOT_LIMITS_H

/* Observations of a 3D plug-in: rows of "\puntsBiplot.qvm", "\dadesALR.qvm" and
 * "\dadesTernary.qvm". */
#define PLOT_MAX_3D_OBSERVATIONS 6000

/* Variables of the 3D biplot: rows of "\liniesBiplot.qvm" and values of "\rangBiplot.qvm". */
#define PLOT_MAX_3D_RAYS 20

/* Groups, each with its colour and marker shape: 1 to 10 (0 is black as 1 is). */
#define PLOT_MAX_GROUPS 10

/* Characters of one group name in a legend (nomsGrups and "\nomsGrups.qvm"): a longer name is
 * "Overflow" (6) while mostrar runs. The narrowest legends (the plots on the triangle) have some
 * 140 pixels right of their samples at the designed window size: ten letters of average width. */
#define PLOT_MAX_GROUP_NAME_LENGTH 10

#endif
