#include "core/exchange/group_names_file.h"

#include <filesystem>
#include <system_error>

#include "core/exchange/exchange_file.h"
#include "core/exchange/layout_reader.h"
#include "core/render/group_names.h"

namespace plot {

StringArray read_group_names_file(int16_t groups) {
  const auto folder = exchange_folder();
  if (!folder) return {};
  const auto path = exchange_file_path(*folder, plot_group_names.name);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return {};
  // An empty file holds fewer names than any group count: kept, as a short file is.
  if (std::filesystem::file_size(path, error) == 0 && !error && groups >= 1)
    raise(ErrorNumber::InputPastEndOfFile);
  std::vector<std::string> names;
  read_exchange_file(plot_group_names, [&](LayoutReader& in) {
    for (int32_t g = 1; g <= groups; ++g) {
      names.push_back(in.read_string());
      check_group_name_length(names.back(), g);
    }
  });
  return StringArray(1, std::move(names));
}

}  // namespace plot
