#include "core/exchange/layout_reader.h"

#include <stdexcept>

#include "core/exchange/exchange_file.h"

namespace plot {

int16_t LayoutReader::read_int16() {
  expect(PLOT_EXCHANGE_INTEGER);
  return in_.read_int16();
}

float LayoutReader::read_float() {
  expect(PLOT_EXCHANGE_SINGLE);
  return in_.read_float();
}

double LayoutReader::read_double() {
  expect(PLOT_EXCHANGE_DOUBLE);
  return in_.read_double();
}

bool LayoutReader::read_logical() {
  expect(PLOT_EXCHANGE_LOGICAL);
  return in_.read_logical();
}

std::string LayoutReader::read_string() {
  expect(PLOT_EXCHANGE_STRING);
  return in_.read_string();
}

bool LayoutReader::at_end() {
  if (field_ != 0) fault("an end test inside a row");
  return in_.at_end();
}

bool LayoutReader::optional_fields_follow() {
  if (layout_.rows != PLOT_EXCHANGE_ONE_ROW || rows_ != 0 ||
      field_ != layout_.field_count - layout_.optional_fields || layout_.optional_fields == 0)
    fault("an optional test away from its optional fields");
  if (!in_.at_end()) return true;
  field_ = 0;
  ++rows_;
  return false;
}

void LayoutReader::check_finished() const {
  if (field_ != 0) fault("a row left short");
  if (layout_.rows == PLOT_EXCHANGE_ONE_ROW && rows_ != 1) fault("its one row not read");
}

// The field is counted before the value is read: a read that raises ends the file anyway.
void LayoutReader::expect(plot_exchange_type type) {
  if (layout_.rows == PLOT_EXCHANGE_ONE_ROW && rows_ == 1) fault("a value after its one row");
  if (layout_.fields[field_].type != type)
    fault(std::string("its field ") + layout_.fields[field_].name + " read as another type");
  if (++field_ == layout_.field_count) {
    field_ = 0;
    ++rows_;
  }
}

void LayoutReader::fault(const std::string& what) const {
  throw std::logic_error(std::string("exchange layout of ") + layout_.name + ": " + what);
}

bool read_exchange_file(const plot_exchange_file& layout,
                        const std::function<void(LayoutReader&)>& read_values) {
  return read_exchange_file(layout.name, [&](ExchangeReader& in) {
    LayoutReader reader(in, layout);
    read_values(reader);
    reader.check_finished();
  });
}

}  // namespace plot
