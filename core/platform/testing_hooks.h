#pragma once

#include <optional>
#include <string_view>

namespace plot {

// The steps of making a surface ready to draw that a test may make fail: each attempt then
// fails as the platform call would (no format, the format not set, no context, no glyphs).
enum class PlatformStep { pixel_format, set_pixel_format, context, fonts };

namespace testing_hooks {

// The step named "pixel_format", "set_pixel_format", "context" or "fonts".
std::optional<PlatformStep> step_named(std::string_view name);
void set_failing(PlatformStep step, bool fail);
bool failing(PlatformStep step);

// While on, each frame's display calls display once more from inside itself, as a paint that
// arrives mid-frame.
void set_reenter_display(bool on);
bool reenter_display();

}  // namespace testing_hooks
}  // namespace plot
