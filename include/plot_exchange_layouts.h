/* The exchange files of the 3D plug-ins (Havrel, Tormin, Quadrel): text files a host writes
 * into the folder named by USERPROFILE (else HOME) before it calls mostrar, which reads each
 * one whole and deletes it. The plug-ins read by these layouts and the reference host writes by
 * them: each gives the file's name, the fields of one row in order with their types, and how
 * the rows repeat.
 *
 * Values are separated by commas or line ends (CR LF), blanks around a value are ignored;
 * numbers are decimal with a point, strings are between double quotes (then they may hold
 * commas), logicals are #TRUE# or #FALSE#. The reader does not care where lines end; a field's
 * `line_end` says where the reference host ends them.
 *
 * A file that is missing or empty shows "No exiteix el fitxer de dades" and stops the reading:
 * mostrar still shows the window, empty. A value of the wrong type ends mostrar with Type
 * mismatch (13), a file that ends too soon with Input past end of file (62), a row beyond
 * `most_rows` with Subscript out of range (9); the file is then kept. */
#ifndef PLOT_EXCHANGE_LAYOUTS_H
#define PLOT_EXCHANGE_LAYOUTS_H

#include <stdint.h>

#include "plot_limits.h"

typedef enum plot_exchange_type {
  PLOT_EXCHANGE_INTEGER = 1, /* a whole number that fits 16 bits */
  PLOT_EXCHANGE_SINGLE = 2,  /* a number, kept as a 32-bit float */
  PLOT_EXCHANGE_DOUBLE = 3,  /* a number, kept as a 64-bit float */
  PLOT_EXCHANGE_LOGICAL = 4,
  PLOT_EXCHANGE_STRING = 5
} plot_exchange_type;

typedef struct plot_exchange_field {
  const char* name; /* what the plug-in fills with the value */
  plot_exchange_type type;
  int32_t line_end; /* non-zero: the reference host ends the line after this value */
} plot_exchange_field;

typedef enum plot_exchange_rows {
  PLOT_EXCHANGE_ONE_ROW = 1,      /* the fields once; anything after them is not read */
  PLOT_EXCHANGE_COUNTED_ROWS = 2, /* as many rows as a value of the options file says */
  PLOT_EXCHANGE_ROWS_TO_END = 3   /* rows until only blanks and line ends are left */
} plot_exchange_rows;

typedef struct plot_exchange_file {
  const char* name; /* appended to the folder, with its leading backslash */
  plot_exchange_rows rows;
  int32_t most_rows;
  const plot_exchange_field* fields; /* of one row */
  int32_t field_count;
  int32_t optional_fields; /* a one-row file's last fields that may be left out, all or none */
} plot_exchange_file;

#ifdef __cplusplus
#define PLOT_EXCHANGE_TABLE inline constexpr
#else
#define PLOT_EXCHANGE_TABLE static const __attribute__((unused))
#endif
#define PLOT_EXCHANGE_FIELDS_OPTIONAL(array, optional)                       \
  .fields = array, .field_count = (int32_t)(sizeof array / sizeof array[0]), \
  .optional_fields = optional
#define PLOT_EXCHANGE_FIELDS(array) PLOT_EXCHANGE_FIELDS_OPTIONAL(array, 0)

/* Havrel, the 3D biplot: four files in this order; the points only when `observation`. */

PLOT_EXCHANGE_TABLE plot_exchange_field plot_havrel_options_fields[] = {
    {"nGrups", PLOT_EXCHANGE_INTEGER, 0},       /* groups in the legend */
    {"nLinies", PLOT_EXCHANGE_INTEGER, 0},      /* rows of the rays file */
    {"observation", PLOT_EXCHANGE_LOGICAL, 0},  /* draw the points, read their file */
    {"modeDibuix", PLOT_EXCHANGE_INTEGER, 0},   /* 1 colours and legend, 2 shapes, else colours */
    {"printeixos", PLOT_EXCHANGE_LOGICAL, 0},   /* rays named, else numbered with a legend */
    {"outlier_mark", PLOT_EXCHANGE_LOGICAL, 0}, /* outliers marked, with their legend */
    {"labels", PLOT_EXCHANGE_LOGICAL, 0},       /* points numbered */
    {"nRang", PLOT_EXCHANGE_INTEGER, 0},        /* values of the proportions file */
    {"coor(1)", PLOT_EXCHANGE_STRING, 0},       /* kept, not drawn */
    {"coor(2)", PLOT_EXCHANGE_STRING, 0},       {"coor(3)", PLOT_EXCHANGE_STRING, 1}};
PLOT_EXCHANGE_TABLE plot_exchange_file plot_havrel_options = {
    .name = "\\opcionsBiplot.qvm",
    .rows = PLOT_EXCHANGE_ONE_ROW,
    .most_rows = 1,
    PLOT_EXCHANGE_FIELDS(plot_havrel_options_fields)};

/* Row j: the proportion of variability the first j components explain. */
PLOT_EXCHANGE_TABLE plot_exchange_field plot_havrel_proportions_fields[] = {
    {"taulaCpe(j)", PLOT_EXCHANGE_SINGLE, 1}};
PLOT_EXCHANGE_TABLE plot_exchange_file plot_havrel_proportions = {
    .name = "\\rangBiplot.qvm",
    .rows = PLOT_EXCHANGE_COUNTED_ROWS, /* nRang */
    .most_rows = PLOT_MAX_3D_RAYS,
    PLOT_EXCHANGE_FIELDS(plot_havrel_proportions_fields)};

/* Row k: the tip of variable k's ray and its name. */
PLOT_EXCHANGE_TABLE plot_exchange_field plot_havrel_rays_fields[] = {
    {"x", PLOT_EXCHANGE_DOUBLE, 0},
    {"y", PLOT_EXCHANGE_DOUBLE, 0},
    {"z", PLOT_EXCHANGE_DOUBLE, 0},
    {"name", PLOT_EXCHANGE_STRING, 1}};
PLOT_EXCHANGE_TABLE plot_exchange_file plot_havrel_rays = {
    .name = "\\liniesBiplot.qvm",
    .rows = PLOT_EXCHANGE_COUNTED_ROWS, /* nLinies */
    .most_rows = PLOT_MAX_3D_RAYS,
    PLOT_EXCHANGE_FIELDS(plot_havrel_rays_fields)};

PLOT_EXCHANGE_TABLE plot_exchange_field plot_havrel_points_fields[] = {
    {"x", PLOT_EXCHANGE_DOUBLE, 0},
    {"y", PLOT_EXCHANGE_DOUBLE, 0},
    {"z", PLOT_EXCHANGE_DOUBLE, 0},
    {"group", PLOT_EXCHANGE_DOUBLE, 0},    /* marker shape 1 to 10, or colour 0 to 10 */
    {"outlier", PLOT_EXCHANGE_DOUBLE, 1}}; /* 1 for an outlier */
PLOT_EXCHANGE_TABLE plot_exchange_file plot_havrel_points = {
    .name = "\\puntsBiplot.qvm",
    .rows = PLOT_EXCHANGE_ROWS_TO_END,
    .most_rows = PLOT_MAX_3D_OBSERVATIONS,
    PLOT_EXCHANGE_FIELDS(plot_havrel_points_fields)};

/* Tormin, the 3D log-ratio plot: the options, then the data. */

PLOT_EXCHANGE_TABLE plot_exchange_field plot_tormin_options_fields[] = {
    {"transformacio", PLOT_EXCHANGE_STRING, 0}, /* exactly "ALR", else the balances */
    {"modeDibuix", PLOT_EXCHANGE_INTEGER, 0},   /* 2 shapes, else dots */
    {"nGrups", PLOT_EXCHANGE_INTEGER, 1},
    {"nomsEixos(1)", PLOT_EXCHANGE_STRING, 1}, /* the axes' names */
    {"nomsEixos(2)", PLOT_EXCHANGE_STRING, 1},
    {"nomsEixos(3)", PLOT_EXCHANGE_STRING, 1}};
PLOT_EXCHANGE_TABLE plot_exchange_file plot_tormin_options = {
    .name = "\\opcionsALR.qvm",
    .rows = PLOT_EXCHANGE_ONE_ROW,
    .most_rows = 1,
    PLOT_EXCHANGE_FIELDS(plot_tormin_options_fields)};

/* One observation: four positive parts and its group. */
PLOT_EXCHANGE_TABLE plot_exchange_field plot_tormin_data_fields[] = {
    {"part 1", PLOT_EXCHANGE_DOUBLE, 0},
    {"part 2", PLOT_EXCHANGE_DOUBLE, 0},
    {"part 3", PLOT_EXCHANGE_DOUBLE, 0},
    {"part 4", PLOT_EXCHANGE_DOUBLE, 0},
    {"grup", PLOT_EXCHANGE_INTEGER, 1}};
PLOT_EXCHANGE_TABLE plot_exchange_file plot_tormin_data = {
    .name = "\\dadesALR.qvm",
    .rows = PLOT_EXCHANGE_ROWS_TO_END,
    .most_rows = PLOT_MAX_3D_OBSERVATIONS,
    PLOT_EXCHANGE_FIELDS(plot_tormin_data_fields)};

/* Quadrel, the tetrahedron: the options, then the data.
 *
 * The names of the corners: label 1 names B, the top corner of the unturned picture (0,
 * 1.1547005, 0); label 2 names A, the lower left (0, 0, 0); label 3 names C, the right (0.8660254,
 * 0.5, 0). With five values they stand where the ternary diagram has its names. The sixth value,
 * label 4, names D, the apex (0.28867513, 0.5, 1), and puts every name at its corner, just
 * outside the body, turning with it; "" there leaves D unnamed but still moves the others. */

PLOT_EXCHANGE_TABLE plot_exchange_field plot_quadrel_options_fields[] = {
    {"mode", PLOT_EXCHANGE_INTEGER, 0}, /* 2 shapes, else dots */
    {"nGrups", PLOT_EXCHANGE_INTEGER, 0},
    {"label 1", PLOT_EXCHANGE_STRING, 0}, /* the vertices' names: B, A, C */
    {"label 2", PLOT_EXCHANGE_STRING, 0},
    {"label 3", PLOT_EXCHANGE_STRING, 1},
    {"label 4", PLOT_EXCHANGE_STRING, 1}}; /* optional: D, and the names at their corners */
PLOT_EXCHANGE_TABLE plot_exchange_file plot_quadrel_options = {
    .name = "\\opcionsTernary.qvm",
    .rows = PLOT_EXCHANGE_ONE_ROW,
    .most_rows = 1,
    PLOT_EXCHANGE_FIELDS_OPTIONAL(plot_quadrel_options_fields, 1)};

/* One point in the tetrahedron's frame and its group. */
PLOT_EXCHANGE_TABLE plot_exchange_field plot_quadrel_data_fields[] = {
    {"x", PLOT_EXCHANGE_DOUBLE, 0},
    {"y", PLOT_EXCHANGE_DOUBLE, 0},
    {"z", PLOT_EXCHANGE_DOUBLE, 0},
    {"group", PLOT_EXCHANGE_DOUBLE, 1}};
PLOT_EXCHANGE_TABLE plot_exchange_file plot_quadrel_data = {
    .name = "\\dadesTernary.qvm",
    .rows = PLOT_EXCHANGE_ROWS_TO_END,
    .most_rows = PLOT_MAX_3D_OBSERVATIONS,
    PLOT_EXCHANGE_FIELDS(plot_quadrel_data_fields)};

/* Havrel, Tormin and Quadrel, optional: the names of groups 1 to nGrups (of the options file),
 * one quoted name a line, which the legend shows in place of "Grup j". Read after the options
 * file and deleted as the others are; without it the legend reads "Grup j". UTF-8 (or
 * Windows-1252); a character the viewer has no glyph for shows as "?". A file with fewer names
 * than groups is Input past end of file (62), a name longer than PLOT_MAX_GROUP_NAME_LENGTH
 * characters Overflow (6); the file is then kept. Names after the nGrups-th are not read. */
PLOT_EXCHANGE_TABLE plot_exchange_field plot_group_names_fields[] = {
    {"nomsGrups(j)", PLOT_EXCHANGE_STRING, 1}};
PLOT_EXCHANGE_TABLE plot_exchange_file plot_group_names = {
    .name = "\\nomsGrups.qvm",
    .rows = PLOT_EXCHANGE_COUNTED_ROWS, /* nGrups */
    .most_rows = 32767,
    PLOT_EXCHANGE_FIELDS(plot_group_names_fields)};

#undef PLOT_EXCHANGE_FIELDS
#undef PLOT_EXCHANGE_FIELDS_OPTIONAL

#endif
