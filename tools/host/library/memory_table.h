#pragma once

#include "compositional_plots.h"
#include "input/csv_table.h"

// A table held in memory as the CSV reader would have read it: the header, then each row's
// cells as text, numbered as in a file whose header is row 1. Numbers are written in their
// shortest form that reads back to the same double, so the statistics see exactly the caller's
// values. InputError for a table that cannot be read (negative sizes, a missing column array).
CsvTable memory_table(const cp_table& table);
