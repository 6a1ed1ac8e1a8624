#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "input_error.h"

// A CSV file as read: the header row, then the data rows as text, each with the number of
// the row in the file (the header is row 1).
struct CsvTable {
  std::string file;  // as the user named it, for messages
  char separator = ',';
  std::vector<std::string> header;
  struct Row {
    std::size_t number;
    std::vector<std::string> cells;
  };
  std::vector<Row> rows;
};

// Reads a CSV file with a header row: comma, semicolon or tab separators (whichever the header
// uses first outside quotes), quoted fields, an optional UTF-8 byte-order mark, blank lines
// skipped. InputError when the file is missing, empty, malformed or ragged.
CsvTable read_csv(const std::filesystem::path& path);
CsvTable parse_csv(const std::string& file, std::string text);
