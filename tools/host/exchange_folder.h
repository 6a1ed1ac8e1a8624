#pragma once

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "plot_exchange_layouts.h"

// A private temporary folder named in "USERPROFILE" while it lives, so the 3D plug-ins read
// the exchange files the host writes there and never the user's own profile. The folder and
// whatever is left in it go at the end; the previous "USERPROFILE" comes back.
class PrivateProfile {
 public:
  PrivateProfile();
  ~PrivateProfile();
  PrivateProfile(const PrivateProfile&) = delete;
  PrivateProfile& operator=(const PrivateProfile&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  // The path of an exchange file given by its name with the leading backslash.
  std::filesystem::path file(const std::string& backslash_name) const;

 private:
  std::filesystem::path folder_;
  std::optional<std::string> previous_;
};

// One value of an exchange file: an int for an integer field (or a whole number for a number
// field), a double for a number, a bool for a logical, a string for a string.
using ExchangeValue = std::variant<int, double, bool, std::string>;

// One exchange file written by its layout: rows of the layout's fields in order, values
// separated by commas and lines ended by CR LF where the layout ends them; strings quoted,
// logicals #TRUE# / #FALSE#, numbers with a point and full precision. A row that does not fit
// the layout is std::logic_error.
class ExchangeWriter {
 public:
  ExchangeWriter(const PrivateProfile& profile, const plot_exchange_file& layout);
  ExchangeWriter(const ExchangeWriter&) = delete;
  ExchangeWriter& operator=(const ExchangeWriter&) = delete;

  ExchangeWriter& row(std::span<const ExchangeValue> values);
  ExchangeWriter& row(std::initializer_list<ExchangeValue> values) {
    return row(std::span(values.begin(), values.size()));
  }
  // Flushes and checks the file; std::runtime_error when it could not be written whole.
  void close();

 private:
  std::filesystem::path path_;
  const plot_exchange_file& layout_;
  std::ofstream out_;
  int rows_ = 0;
};

// A one-row file (the options) written whole.
void write_exchange_file(const PrivateProfile& profile, const plot_exchange_file& layout,
                         std::initializer_list<ExchangeValue> values);
