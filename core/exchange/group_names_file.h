#pragma once

#include <cstdint>

#include "core/com/string_array.h"

namespace plot {

// The names of groups 1 to `groups` from the optional "\nomsGrups.qvm", read and deleted as the
// other exchange files are. No file (or no folder) gives no names and no message; fewer names
// than groups (an empty file too) raise "Input past end of file", a longer name than a legend
// holds "Overflow", and the file is then kept.
StringArray read_group_names_file(int16_t groups);

}  // namespace plot
