/* The host's statistics and plot builders as a library: a table held in memory drawn with one of
 * the eight plug-ins, with plot_host's options, as plot_host draws a CSV file. The Python
 * package compositional_plots calls it through ctypes.
 *
 *   const double si[] = {48.1, 51.2}, al[] = {15.0, 14.2}, fe[] = {9.9, 8.7};
 *   const cp_column columns[] = {{"SiO2", si, NULL}, {"Al2O3", al, NULL}, {"FeO", fe, NULL}};
 *   const cp_table table = {"rocks", 2, 3, columns};
 *   const char* arguments[] = {"ternary", "--grid", "--out", "rocks.png"};
 *   char message[1024];
 *   if (cp_plot("build/plugins", &table, arguments, 4, message, sizeof message) != CP_OK) ... */
#ifndef COMPOSITIONAL_PLOTS_H
#define COMPOSITIONAL_PLOTS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define CP_API __attribute__((visibility("default")))

/* One column of the table: `numbers` (NaN is an empty cell) or, when that is NULL, `texts`
 * (UTF-8; NULL is an empty cell). Each holds the table's `rows` items. */
typedef struct cp_column {
  const char* name;
  const double* numbers;
  const char* const* texts;
} cp_column;

typedef struct cp_table {
  const char* name; /* what the messages call the table, where plot_host names its file */
  int32_t rows;
  int32_t columns;
  const cp_column* column;
} cp_table;

typedef enum cp_status {
  CP_OK = 0,
  CP_BAD_OPTION = 1,  /* the options, as plot_host words a usage error */
  CP_NO_COLUMN = 2,   /* --parts or --group names a column the table does not have */
  CP_BAD_DATA = 3,    /* the data do not fit the plot (a zero part, too many groups...) */
  CP_PLOT_FAILED = 4, /* a plug-in that cannot be loaded, its run-time error, a file unwritten */
  CP_NO_DISPLAY = 5   /* a window asked for without an X display */
} cp_status;

/* Draws `table` as plot_host draws a file: `arguments` are plot_host's after the program name,
 * the plot first, without the file ("ternary", "--parts", "SiO2,Al2O3,FeO", "--out", "x.png").
 * With --png or --out the picture is written off screen; else the plot is shown in a window on
 * $DISPLAY and the call returns when every viewer window is closed. `plugin_folder` holds the
 * eight plug-ins. Returns a cp_status; any other than CP_OK with the message, as plot_host
 * prints it, in `message` (`capacity` bytes, cut short to fit, always ended with 0). Pictures of
 * one process are drawn one at a time; a window waits for its closing without holding others.
 * A plug-in that has written a picture file in a process shows no window in it afterwards
 * (CP_PLOT_FAILED): its viewer stays off screen. */
CP_API int32_t cp_plot(const char* plugin_folder, const cp_table* table,
                       const char* const* arguments, int32_t count, char* message,
                       int32_t capacity);

#ifdef __cplusplus
}
#endif

#endif
