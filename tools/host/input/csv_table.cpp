#include "csv_table.h"

#include <csv.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

// The separator the header row uses: the first comma, semicolon or tab outside quotes.
char sniff_separator(const std::string& text) {
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == ',' || c == ';' || c == '\t') return c;
    if (c == '\n') break;
  }
  return ',';
}

struct Collector {
  CsvTable* table;
  std::vector<std::string> cells;
  std::size_t line = 1;  // the file line the current record started on
  std::size_t records = 0;
};

void end_of_field(void* data, std::size_t length, void* user) {
  auto& c = *static_cast<Collector*>(user);
  c.cells.emplace_back(data != nullptr ? static_cast<const char*>(data) : "", length);
}

void end_of_record(int, void* user) {
  auto& c = *static_cast<Collector*>(user);
  ++c.records;
  if (c.records == 1)
    c.table->header = std::move(c.cells);
  else
    c.table->rows.push_back({c.records, std::move(c.cells)});
  c.cells.clear();
}

struct ParserDeleter {
  void operator()(csv_parser* p) const {
    csv_free(p);
    delete p;
  }
};

}  // namespace

CsvTable parse_csv(const std::string& file, std::string text) {
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  if (text.find_first_not_of(" \t\r\n") == std::string::npos)
    throw InputError(file + ": the file is empty");

  std::unique_ptr<csv_parser, ParserDeleter> parser(new csv_parser);
  if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0)
    throw InputError(file + ": cannot start the CSV parser");
  CsvTable table;
  table.file = file;
  table.separator = sniff_separator(text);
  csv_set_delim(parser.get(), static_cast<unsigned char>(table.separator));
  // The parser trims tabs as blanks: with tabs as separators only spaces are blanks.
  if (table.separator == '\t')
    csv_set_space_func(parser.get(), [](unsigned char c) { return c == ' ' ? 1 : 0; });

  Collector collector{&table, {}, 1, 0};
  if (csv_parse(parser.get(), text.data(), text.size(), end_of_field, end_of_record, &collector) !=
          text.size() ||
      csv_fini(parser.get(), end_of_field, end_of_record, &collector) != 0)
    throw InputError(file + ": row " + std::to_string(collector.records + 1) + ": malformed CSV (" +
                     csv_strerror(csv_error(parser.get())) + ")");

  for (const auto& row : table.rows)
    if (row.cells.size() != table.header.size())
      throw InputError(file + ": row " + std::to_string(row.number) + " has " +
                       std::to_string(row.cells.size()) + " cells, the header has " +
                       std::to_string(table.header.size()));
  return table;
}

CsvTable read_csv(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    throw InputError(path.string() + ": no such file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw InputError(path.string() + ": cannot open the file (missing or unreadable)");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw InputError(path.string() + ": read error");
  return parse_csv(path.string(), std::move(text));
}
