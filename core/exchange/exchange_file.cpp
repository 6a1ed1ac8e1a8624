#include "core/exchange/exchange_file.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "core/platform/message_box.h"

namespace plot {
namespace {

std::optional<std::filesystem::path> folder_from(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::filesystem::path(value);
}

bool has_content(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const auto size = std::filesystem::file_size(path, error);
  return !error && size >= 1;
}

bool report_missing() {
  show_message(std::string(kMissingExchangeFileMessage));
  return false;
}

}  // namespace

std::optional<std::filesystem::path> exchange_folder() {
  auto folder = folder_from("USERPROFILE");
  if (!folder) folder = folder_from("HOME");
  std::error_code error;
  if (!folder || !std::filesystem::is_directory(*folder, error)) return std::nullopt;
  return folder;
}

std::filesystem::path exchange_file_path(const std::filesystem::path& folder,
                                         std::string_view file_name) {
  // The host's names carry the Windows separator in front.
  std::string relative(file_name);
  for (char& c : relative)
    if (c == '\\') c = '/';
  const auto first = relative.find_first_not_of('/');
  relative.erase(0, first == std::string::npos ? relative.size() : first);
  return folder / relative;
}

bool read_exchange_file(std::string_view file_name, const ExchangeValuesReader& read_values) {
  const auto folder = exchange_folder();
  if (!folder) return report_missing();
  const auto path = exchange_file_path(*folder, file_name);
  if (!has_content(path)) return report_missing();
  auto source = FileByteSource::open(path);
  // Present but unreadable: nothing was read, so it must not be deleted either.
  if (!source) return report_missing();
  {
    ExchangeReader reader(std::move(source));
    read_values(reader);
  }  // Closed here, before the deletion; on an error, closed by the unwinding and kept.
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return true;
}

}  // namespace plot
