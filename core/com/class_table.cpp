#include "core/com/class_table.h"

namespace plot {

const PropertyEntry* ClassEntry::property(std::string_view wanted) const {
  for (const auto& p : properties)
    if (p.name == wanted) return &p;
  return nullptr;
}

const MethodEntry* ClassEntry::method(std::string_view wanted) const {
  for (const auto& m : methods)
    if (m.name == wanted) return &m;
  return nullptr;
}

void raise_wrong_argument_count() {
  throw RuntimeError(ErrorNumber::InvalidCall, "Wrong number of arguments");
}

}  // namespace plot
