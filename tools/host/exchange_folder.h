#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

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

// One exchange file as the host writes it: values separated by commas, rows ended by CR LF,
// strings quoted, logicals #TRUE# / #FALSE#, numbers with a point and full precision.
class ExchangeWriter {
 public:
  explicit ExchangeWriter(const std::filesystem::path& path);
  ~ExchangeWriter();  // ends an open row; a failed write raises in close() only
  ExchangeWriter(const ExchangeWriter&) = delete;
  ExchangeWriter& operator=(const ExchangeWriter&) = delete;

  ExchangeWriter& number(double value);
  ExchangeWriter& integer(int value);
  ExchangeWriter& logical(bool value);
  ExchangeWriter& text(const std::string& value);
  ExchangeWriter& end_row();
  // Flushes and checks the file; std::runtime_error when it could not be written whole.
  void close();

 private:
  void separate();

  std::filesystem::path path_;
  std::ofstream out_;
  bool row_open_ = false;
};
