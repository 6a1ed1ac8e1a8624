#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// Bad input from the user's file or command line: the message names the file and, where there
// is one, the row and the column, so the user can find the cell.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "FILE: row R, column "NAME": what". Rows are counted as in a spreadsheet: the header is row 1.
[[noreturn]] void raise_cell_error(const std::string& file, std::size_t row,
                                   const std::string& column, const std::string& what);
