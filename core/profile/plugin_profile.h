#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace plot {

enum class PluginKind { biplot, Havrel, Pellin, Tormin, ternary, Quadrel, Vorn, Vornc };
inline constexpr std::size_t kPluginCount = 8;

enum class ButtonId { Sortir, Rot_X, Rot_XX, Rot_Y, Rot_YY, Rot_Z, Rot_ZZ, dec_zoom, inc_zoom };
inline constexpr std::size_t kButtonCount = 9;

struct Vec3 {
  double x, y, z;
};

struct Rgba {
  float r, g, b, a;
};

// Positions and sizes in twips, 15 to a pixel.
struct ButtonPlacement {
  ButtonId id;
  int32_t left;
  int32_t top;
};

struct FormLayout {
  int32_t client_width;
  int32_t client_height;
  int32_t initial_left;
  int32_t initial_top;
  // Every button of the form, Sortir first; the 3D forms add the eight camera buttons.
  std::span<const ButtonPlacement> buttons;
  // Tab order, Sortir first.
  std::span<const ButtonId> tab_order;
};

enum class UnloadVariant {
  KeepRenderer,     // the renderer stays attached until the next mostrar
  ReleaseRenderer,  // the renderer and its context go at once
};

// Everything in which the core differs between the eight plug-ins.
struct PluginProfile {
  PluginKind kind;
  std::string_view deliverable;
  std::string_view data_class;
  std::string_view renderer_class;
  std::string_view form_name;
  std::string_view caption;
  bool three_d;
  int32_t glyph_count;   // 224 or 96 lists, from code 32 on
  double field_of_view;  // degrees, set by Initialize
  Vec3 eye;              // look-at centre (0, 0, 0), up (0, 1, 0)
  float rotation_step;   // camera buttons of the 3D viewers
  double zoom_step;
  bool grey_background_code;  // colorf 5 is grey only in some plug-ins
  Rgba initial_clear_colour;
  std::optional<int16_t> colorp_default;
  std::optional<int16_t> colorf_default;
  bool has_markers;      // InitializeForms
  float dot_point_size;  // point size of marker shape 3
  bool outlier_mark;
  int32_t axes_half_length;    // DrawWorld's argument to DrawAxes
  bool exposes_field_of_view;  // m_fieldOfView and SetViewPort in the interface
  UnloadVariant unload;
  FormLayout layout;
};

const PluginProfile& profile_of(PluginKind kind);
std::span<const PluginProfile> all_profiles();

inline constexpr int32_t kTwipsPerPixel = 15;
inline constexpr int32_t twips_to_pixels(int32_t twips) {
  return twips / kTwipsPerPixel;
}

struct ButtonSize {
  int32_t width;
  int32_t height;
};
ButtonSize button_size_twips(ButtonId id);
std::string_view button_caption(ButtonId id);
std::string_view button_name(ButtonId id);
std::optional<ButtonId> button_by_name(std::string_view name);

}  // namespace plot
