#include "exchange_folder.h"

#include <charconv>
#include <cstdlib>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <system_error>

PrivateProfile::PrivateProfile() {
  std::string pattern = (std::filesystem::temp_directory_path() / "plot-host-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot make a temporary folder for the exchange files");
  folder_ = pattern;
  if (const char* old = std::getenv("USERPROFILE")) previous_ = old;
  setenv("USERPROFILE", folder_.c_str(), 1);
}

PrivateProfile::~PrivateProfile() {
  if (previous_)
    setenv("USERPROFILE", previous_->c_str(), 1);
  else
    unsetenv("USERPROFILE");
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::filesystem::path PrivateProfile::file(const std::string& backslash_name) const {
  const std::string name = !backslash_name.empty() && backslash_name[0] == '\\'
                               ? backslash_name.substr(1)
                               : backslash_name;
  return folder_ / name;
}

namespace {

bool fits(const ExchangeValue& value, plot_exchange_type type) {
  switch (type) {
    case PLOT_EXCHANGE_INTEGER:
      return std::holds_alternative<int>(value);
    case PLOT_EXCHANGE_SINGLE:
    case PLOT_EXCHANGE_DOUBLE:
      return std::holds_alternative<double>(value) || std::holds_alternative<int>(value);
    case PLOT_EXCHANGE_LOGICAL:
      return std::holds_alternative<bool>(value);
    case PLOT_EXCHANGE_STRING:
      return std::holds_alternative<std::string>(value);
  }
  return false;
}

void write_value(std::ostream& out, const ExchangeValue& value) {
  if (const double* number = std::get_if<double>(&value)) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, *number);
    out.write(buffer, result.ptr - buffer);
  } else if (const int* integer = std::get_if<int>(&value)) {
    out << *integer;
  } else if (const bool* logical = std::get_if<bool>(&value)) {
    out << (*logical ? "#TRUE#" : "#FALSE#");
  } else {
    out << '"' << std::get<std::string>(value) << '"';
  }
}

}  // namespace

ExchangeWriter::ExchangeWriter(const PrivateProfile& profile, const plot_exchange_file& layout)
    : path_(profile.file(layout.name)),
      layout_(layout),
      out_(path_, std::ios::binary | std::ios::trunc) {
  if (!out_) throw std::runtime_error("cannot write " + path_.string());
}

ExchangeWriter& ExchangeWriter::row(std::span<const ExchangeValue> values) {
  // A one-row file may leave its optional fields out, all of them.
  if (std::ssize(values) != layout_.field_count &&
      std::ssize(values) != layout_.field_count - layout_.optional_fields)
    throw std::logic_error(std::string(layout_.name) + ": a row of " +
                           std::to_string(values.size()) + " values");
  const plot_exchange_field* field = layout_.fields;
  for (const ExchangeValue& value : values) {
    if (!fits(value, field->type))
      throw std::logic_error(std::string(layout_.name) + ": a value of another type for " +
                             field->name);
    write_value(out_, value);
    // A row always ends its line, so the next row's first value stands apart.
    const bool last = field == layout_.fields + std::ssize(values) - 1;
    out_ << (field->line_end != 0 || last ? "\r\n" : ",");
    ++field;
  }
  ++rows_;
  return *this;
}

void ExchangeWriter::close() {
  if (layout_.rows == PLOT_EXCHANGE_ONE_ROW && rows_ != 1)
    throw std::logic_error(std::string(layout_.name) + ": one row, not " + std::to_string(rows_));
  out_.close();
  if (!out_) throw std::runtime_error("cannot write " + path_.string());
}

void write_exchange_file(const PrivateProfile& profile, const plot_exchange_file& layout,
                         std::initializer_list<ExchangeValue> values) {
  ExchangeWriter writer(profile, layout);
  writer.row(values);
  writer.close();
}
