#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/exchange/exchange_reader.h"
#include "plot_exchange_layouts.h"

namespace plot {

// An exchange file read by its layout: the typed reads of ExchangeReader, each checked against
// the field it comes to, so that a plug-in's reading cannot drift from the table the host
// writes by. A read of another type, an end test inside a row, or a one-row file left short is
// a fault of the plug-in's code, never of the file: std::logic_error.
class LayoutReader {
 public:
  LayoutReader(ExchangeReader& in, const plot_exchange_file& layout) : in_(in), layout_(layout) {}

  int16_t read_int16();
  float read_float();
  double read_double();
  bool read_logical();
  std::string read_string();
  // Only between rows.
  bool at_end();
  // At the first of a one-row file's optional fields: whether the file goes on with them. When
  // it does not, the row ends here.
  bool optional_fields_follow();

  // Throws unless whole rows were read, and exactly one of a one-row file.
  void check_finished() const;

 private:
  void expect(plot_exchange_type type);
  [[noreturn]] void fault(const std::string& what) const;

  ExchangeReader& in_;
  const plot_exchange_file& layout_;
  int32_t field_ = 0;  // in the row being read
  int32_t rows_ = 0;   // finished
};

// read_exchange_file for the file `layout` names, its values read through a LayoutReader.
bool read_exchange_file(const plot_exchange_file& layout,
                        const std::function<void(LayoutReader&)>& read_values);

}  // namespace plot
