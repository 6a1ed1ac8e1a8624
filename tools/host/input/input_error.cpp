#include "input_error.h"

void raise_cell_error(const std::string& file, std::size_t row, const std::string& column,
                      const std::string& what) {
  throw InputError(file + ": row " + std::to_string(row) + ", column \"" + column + "\": " + what);
}
