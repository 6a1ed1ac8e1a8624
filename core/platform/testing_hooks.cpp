#include "core/platform/testing_hooks.h"

#include <array>
#include <cstddef>

namespace plot::testing_hooks {
namespace {

constexpr std::array<std::string_view, 4> kStepNames = {"pixel_format", "set_pixel_format",
                                                        "context", "fonts"};
std::array<bool, kStepNames.size()> g_failing{};
bool g_reenter_display = false;

}  // namespace

std::optional<PlatformStep> step_named(std::string_view name) {
  for (std::size_t i = 0; i < kStepNames.size(); ++i)
    if (kStepNames[i] == name) return static_cast<PlatformStep>(i);
  return std::nullopt;
}

void set_failing(PlatformStep step, bool fail) {
  g_failing[static_cast<std::size_t>(step)] = fail;
}

bool failing(PlatformStep step) {
  return g_failing[static_cast<std::size_t>(step)];
}

void set_reenter_display(bool on) {
  g_reenter_display = on;
}

bool reenter_display() {
  return g_reenter_display;
}

}  // namespace plot::testing_hooks
