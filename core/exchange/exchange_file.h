#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "core/exchange/exchange_reader.h"

namespace plot {

inline constexpr std::string_view kMissingExchangeFileMessage = "No exiteix el fitxer de dades";

// The folder the host writes exchange files into: "USERPROFILE", else HOME. Nothing when
// neither names an existing folder.
std::optional<std::filesystem::path> exchange_folder();

// `file_name` as the host spells it, with a leading backslash: "\opcionsBiplot.qvm".
std::filesystem::path exchange_file_path(const std::filesystem::path& folder,
                                         std::string_view file_name);

using ExchangeValuesReader = std::function<void(ExchangeReader&)>;

// Reads one exchange file with `read_values` and deletes it.
//
// A missing or empty file (or no folder) shows kMissingExchangeFileMessage and returns false;
// the file stays. An error raised while reading propagates; the file is closed by then and kept,
// so nothing the host wrote is lost. A file read whole is deleted; a failure to delete is
// ignored, so a read-only folder serves the same file again (hosts are told so in README.md).
bool read_exchange_file(std::string_view file_name, const ExchangeValuesReader& read_values);

}  // namespace plot
