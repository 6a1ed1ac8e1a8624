#include "core/profile/plugin_profile.h"

namespace plot {
namespace {

using B = ButtonId;

constexpr ButtonPlacement kBiButtons[] = {{B::Sortir, 12240, 9720}};
constexpr ButtonPlacement kAlrButtons[] = {{B::Sortir, 12240, 9840}};
constexpr ButtonPlacement kTdButtons[] = {{B::Sortir, 12120, 9840}};
constexpr ButtonPlacement kVornButtons[] = {{B::Sortir, 12120, 9960}};
constexpr ButtonPlacement kVornCButtons[] = {{B::Sortir, 12240, 9960}};
constexpr ButtonPlacement kBi3DButtons[] = {
    {B::Sortir, 12240, 9720}, {B::Rot_XX, 6600, 9600},   {B::Rot_YY, 8160, 9600},
    {B::Rot_ZZ, 9720, 9600},  {B::Rot_X, 6600, 10200},   {B::Rot_Y, 8160, 10200},
    {B::Rot_Z, 9720, 10200},  {B::inc_zoom, 4560, 9480}, {B::dec_zoom, 4560, 10200}};
constexpr ButtonPlacement kAlr3DButtons[] = {
    {B::Sortir, 12240, 9840}, {B::Rot_XX, 240, 9720},    {B::Rot_YY, 1800, 9720},
    {B::Rot_ZZ, 3360, 9720},  {B::Rot_X, 240, 10320},    {B::Rot_Y, 1800, 10320},
    {B::Rot_Z, 3360, 10320},  {B::inc_zoom, 6360, 9600}, {B::dec_zoom, 6360, 10320}};
constexpr ButtonPlacement kTd3DButtons[] = {
    {B::Sortir, 12120, 9840}, {B::Rot_XX, 960, 9600},    {B::Rot_YY, 2520, 9600},
    {B::Rot_ZZ, 4080, 9600},  {B::Rot_X, 960, 10200},    {B::Rot_Y, 2520, 10200},
    {B::Rot_Z, 4080, 10200},  {B::inc_zoom, 7080, 9480}, {B::dec_zoom, 7080, 10200}};

constexpr ButtonId kTab2D[] = {B::Sortir};
constexpr ButtonId kTabBiAlr3D[] = {B::Sortir, B::Rot_Z,  B::Rot_Y,    B::Rot_X,   B::Rot_YY,
                                    B::Rot_XX, B::Rot_ZZ, B::dec_zoom, B::inc_zoom};
constexpr ButtonId kTabTd3D[] = {B::Sortir, B::inc_zoom, B::dec_zoom, B::Rot_ZZ, B::Rot_XX,
                                 B::Rot_YY, B::Rot_X,    B::Rot_Y,    B::Rot_Z};

constexpr Rgba kGrey{0.2f, 0.2f, 0.2f, 1.0f};
constexpr Rgba kWhite{1.0f, 1.0f, 1.0f, 1.0f};
constexpr Vec3 kEyeFront{0, 0, 10};
constexpr Vec3 kEyeCorner{-10, 10, 10};
constexpr Vec3 kEyeNear{0, 0, 3};
constexpr auto kKeep = UnloadVariant::KeepRenderer;
constexpr auto kRelease = UnloadVariant::ReleaseRenderer;
constexpr std::optional<int16_t> kNone = std::nullopt;

constexpr FormLayout layout(int32_t width, int32_t left, int32_t top,
                            std::span<const ButtonPlacement> buttons,
                            std::span<const ButtonId> tab) {
  return FormLayout{width, 11010, left, top, buttons, tab};
}

// kind, deliverable, data class, renderer class, form, caption, 3D, glyphs, field of view,
// eye, rotation step, zoom step, grey code 5, clear colour, colorp, colorf, markers,
// dot size, outlier mark, DrawAxes argument, field of view exposed, unload, layout
// clang-format off
// One row per plug-in, as the columns above name them.
constexpr std::array<PluginProfile, kPluginCount> kProfiles = {{
    {PluginKind::biplot, "biplot", "CDades_biplot", "COpenGL_biplot", "bi", "biplot",
     false, 224, 15, kEyeFront, 0, 0, true, kGrey, kNone, kNone, true, 5, true, 1, true, kKeep,
     layout(13770, 630, 345, kBiButtons, kTab2D)},
    {PluginKind::Havrel, "Havrel", "CDades_Havrel", "COpenGL_Havrel", "bi_3D", "Havrel",
     true, 224, 15, kEyeFront, 5, 5, true, kGrey, kNone, kNone, true, 5, true, 1, true, kKeep,
     layout(13770, 630, 345, kBi3DButtons, kTabBiAlr3D)},
    {PluginKind::Pellin, "Pellin", "CDades_ALR", "COpenGL_alr", "alr", "alr",
     false, 96, 15, kEyeFront, 0, 0, false, kGrey, int16_t{4}, kNone, true, 5, false, 1, true, kKeep,
     layout(13770, 630, 345, kAlrButtons, kTab2D)},
    {PluginKind::Tormin, "Tormin", "CDades_ALR_3D", "COpenGL_alr_3D", "alr_3D", "alr",
     true, 96, 10, kEyeCorner, 20, 2, false, kGrey, int16_t{4}, kNone, true, 5, false, 1, true, kKeep,
     layout(13770, 630, 345, kAlr3DButtons, kTabBiAlr3D)},
    {PluginKind::ternary, "ternary", "CDades_Ternary", "COpenGL_TD", "TD", "ternary",
     false, 224, 25, kEyeNear, 0, 0, true, kGrey, int16_t{4}, kNone, true, 8, false, 5, true, kKeep,
     layout(13755, 705, 240, kTdButtons, kTab2D)},
    {PluginKind::Quadrel, "Quadrel", "CDades_Quadrel", "COpenGL_TD_3D", "TD_3D", "ternary",
     true, 224, 25, kEyeNear, 5, 5, true, kGrey, int16_t{4}, kNone, true, 8, false, 5, true, kKeep,
     layout(13755, 705, 240, kTd3DButtons, kTabTd3D)},
    {PluginKind::Vorn, "Vorn", "CDades_vorn", "COpenGL_VORN", "VORN", "VORN_Predictive",
     false, 96, 25, kEyeNear, 0, 0, false, kWhite, int16_t{1}, int16_t{0}, false, 8, false, 5, false, kRelease,
     layout(13770, 630, 345, kVornButtons, kTab2D)},
    {PluginKind::Vornc, "Vornc", "CDades_VORN_C", "COpenGL_VORN_C", "VORN_C", "VORN_Confidence",
     false, 96, 25, kEyeNear, 0, 0, false, kWhite, int16_t{1}, int16_t{0}, true, 8, false, 5, true, kRelease,
     layout(13770, 630, 345, kVornCButtons, kTab2D)},
}};
// clang-format on

static_assert(kProfiles.size() == kPluginCount, "one row per plug-in");

constexpr bool rows_in_kind_order() {
  for (std::size_t i = 0; i < kProfiles.size(); ++i)
    if (static_cast<std::size_t>(kProfiles[i].kind) != i) return false;
  return true;
}
static_assert(rows_in_kind_order(), "row i describes PluginKind i");

struct ButtonText {
  std::string_view name;
  std::string_view caption;
};
constexpr std::array<ButtonText, kButtonCount> kButtonTexts = {{
    {"Sortir", "Sortir"},
    {"Rot_X", "Rot X -"},
    {"Rot_XX", "Rot X +"},
    {"Rot_Y", "Rot Y -"},
    {"Rot_YY", "Rot Y +"},
    {"Rot_Z", "Rot Z -"},
    {"Rot_ZZ", "Rot Z +"},
    {"dec_zoom", "zoom -"},
    {"inc_zoom", "zoom +"},
}};

}  // namespace

const PluginProfile& profile_of(PluginKind kind) {
  return kProfiles[static_cast<std::size_t>(kind)];
}

std::span<const PluginProfile> all_profiles() {
  return kProfiles;
}

ButtonSize button_size_twips(ButtonId id) {
  switch (id) {
    case ButtonId::Sortir:
      return {1455, 615};
    case ButtonId::dec_zoom:
    case ButtonId::inc_zoom:
      return {735, 495};
    default:
      return {1335, 495};
  }
}

std::string_view button_caption(ButtonId id) {
  return kButtonTexts[static_cast<std::size_t>(id)].caption;
}

std::string_view button_name(ButtonId id) {
  return kButtonTexts[static_cast<std::size_t>(id)].name;
}

std::optional<ButtonId> button_by_name(std::string_view name) {
  for (std::size_t i = 0; i < kButtonTexts.size(); ++i)
    if (kButtonTexts[i].name == name) return static_cast<ButtonId>(i);
  return std::nullopt;
}

}  // namespace plot
