#pragma once

#include <tuple>
#include <type_traits>

#include "core/com/plugin_definition.h"
#include "core/com/plugin_settings.h"
#include "core/com/renderer_members.h"
#include "core/render/group_names.h"

namespace plot {

// Where a plot's data come from.
enum class DataSource {
  MostrarRecords,  // mostrar takes the records; parametres hands them and the settings over
  ExchangeFiles,   // mostrar takes nothing; the renderer's Initialize reads the files
};

// A renderer method of the interface beyond those every renderer has.
template <typename F>
struct MethodRow {
  std::string_view name;
  F function;
};
template <typename F>
constexpr MethodRow<F> method_row(std::string_view name, F function) {
  return {name, function};
}
inline constexpr std::tuple<> kNoRendererMethods{};

// A plug-in's declaration: its renderer (whose kKind names its row of the profile table), its
// settings table (the settings struct is a base of the renderer), where its data come from, and
// any renderer methods of its own. From it the core makes the data-entry class DataEntry<P>, the
// viewer form PluginForm<P> and the class table plugin_definition_of<P>.
template <typename R, const auto& kSettingsTable, DataSource kSource,
          const auto& kMethods = kNoRendererMethods>
struct Plugin {
  using Renderer = R;
  using Settings = typename std::remove_cvref_t<decltype(kSettingsTable)>::Settings;
  static constexpr const auto& kSettings = kSettingsTable.rows;
  static constexpr DataSource kData = kSource;
  static constexpr const auto& kRendererMethods = kMethods;
};

// The plug-in's one viewer form. parametres makes a fresh renderer; a plot handed its records
// copies them with Passar_Punts, then takes the host's settings in the table's order; then
// Initialize and the modeless show.
template <typename P>
class PluginForm : public ViewerForm {
 public:
  using R = typename P::Renderer;
  PluginForm() : ViewerForm(profile_of(R::kKind)) {}

  template <typename... Records>
  void parametres([[maybe_unused]] const typename P::Settings& settings, Records&... records) {
    ViewerForm::parametres<R>([&](R& renderer) {
      if constexpr (P::kData == DataSource::MostrarRecords) {
        renderer.Passar_Punts(records...);
        hand_over_settings(P::kSettings, settings, renderer);
      }
    });
  }
};

namespace detail {
template <typename F>
struct ParametersOf;
template <typename C, typename... Parameters>
struct ParametersOf<void (C::*)(Parameters...)> {
  using type = std::tuple<Parameters...>;
};

// mostrar takes what Passar_Punts takes, or nothing when the renderer reads its own data.
template <typename P>
using MostrarParameters =
    std::conditional_t<P::kData == DataSource::MostrarRecords,
                       typename ParametersOf<decltype(&P::Renderer::Passar_Punts)>::type,
                       std::tuple<>>;
}  // namespace detail

template <typename S>
concept HasGroupNames = requires(const S& s) {
  s.nGrups;
  s.nomsGrups;
};

// The class the host uses: the settings as properties, and mostrar, which shows the plot in the
// plug-in's one form; a run-time error reaches the host and the window is then not shown. Group
// names handed over are checked against nGrups first, before any form exists.
template <typename P, typename Parameters = detail::MostrarParameters<P>>
class DataEntry;

template <typename P, typename... Records>
class DataEntry<P, std::tuple<Records...>> : public P::Settings {
 public:
  void mostrar(Records... records) {
    if constexpr (P::kData == DataSource::MostrarRecords && HasGroupNames<typename P::Settings>)
      check_group_names(this->nomsGrups, this->nGrups);
    FormSlot<PluginForm<P>>::get().parametres(*this, records...);
  }
};

// The two classes of the plug-in, data-entry class first, named by its profile row.
template <typename P>
PluginDefinition make_plugin_definition() {
  using R = typename P::Renderer;
  using Data = DataEntry<P>;
  const PluginProfile& profile = profile_of(R::kKind);
  ClassBuilder<Data> data{std::string(profile.data_class)};
  add_setting_properties(data, P::kSettings, ClassRole::DataEntry);
  data.method("mostrar", &Data::mostrar);
  ClassBuilder<R> renderer{std::string(profile.renderer_class)};
  add_renderer_members(renderer, profile);
  add_setting_properties(renderer, P::kSettings, ClassRole::Renderer);
  renderer.method("Passar_Punts", &R::Passar_Punts);
  std::apply(
      [&](const auto&... row) { (renderer.method(std::string(row.name), row.function), ...); },
      P::kRendererMethods);
  return PluginDefinition{
      &profile, {data.build(), renderer.build()}, &FormSlot<PluginForm<P>>::existing};
}

// What the plug-in's plugin_definition() returns: its definition, made once.
template <typename P>
const PluginDefinition& plugin_definition_of() {
  static const PluginDefinition definition = make_plugin_definition<P>();
  return definition;
}

}  // namespace plot
