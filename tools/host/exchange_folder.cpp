#include "exchange_folder.h"

#include <charconv>
#include <cstdlib>
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

ExchangeWriter::ExchangeWriter(const std::filesystem::path& path)
    : path_(path), out_(path, std::ios::binary | std::ios::trunc) {
  if (!out_) throw std::runtime_error("cannot write " + path.string());
}

ExchangeWriter::~ExchangeWriter() {
  if (row_open_) out_ << "\r\n";
}

void ExchangeWriter::separate() {
  if (row_open_) out_ << ',';
  row_open_ = true;
}

ExchangeWriter& ExchangeWriter::number(double value) {
  separate();
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out_.write(buffer, result.ptr - buffer);
  return *this;
}

ExchangeWriter& ExchangeWriter::integer(int value) {
  separate();
  out_ << value;
  return *this;
}

ExchangeWriter& ExchangeWriter::logical(bool value) {
  separate();
  out_ << (value ? "#TRUE#" : "#FALSE#");
  return *this;
}

ExchangeWriter& ExchangeWriter::text(const std::string& value) {
  separate();
  out_ << '"' << value << '"';
  return *this;
}

ExchangeWriter& ExchangeWriter::end_row() {
  out_ << "\r\n";
  row_open_ = false;
  return *this;
}

void ExchangeWriter::close() {
  if (row_open_) end_row();
  out_.close();
  if (!out_) throw std::runtime_error("cannot write " + path_.string());
}
