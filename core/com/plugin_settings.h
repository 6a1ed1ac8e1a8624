#pragma once

#include <string>
#include <string_view>
#include <tuple>

#include "core/com/class_table.h"

namespace plot {

// A plug-in's settings live in one struct that both its data-entry class and its renderer
// derive from: the host sets them on the one, the renderer draws with its own copy.
enum class SettingOn {
  DataAndRenderer,  // a property of both classes, handed to the renderer by parametres
  RendererOnly,     // a property of the renderer alone, which nothing hands over
};

template <typename Settings, typename T>
struct Setting {
  std::string_view name;
  T Settings::*member;
  SettingOn on;
};

// One row of a plug-in's settings table: the property's name and its member.
template <typename Settings, typename T>
constexpr Setting<Settings, T> setting(std::string_view name, T Settings::*member,
                                       SettingOn on = SettingOn::DataAndRenderer) {
  return {name, member, on};
}

// A plug-in's settings: the struct, and its rows in the order of the interface.
template <typename S, typename... Rows>
struct SettingsTable {
  using Settings = S;
  std::tuple<Rows...> rows;
};

template <typename S, typename... T>
constexpr SettingsTable<S, Setting<S, T>...> settings_table(Setting<S, T>... rows) {
  return {{rows...}};
}

// The settings of a plug-in that has none.
struct NoSettings {};
inline constexpr SettingsTable<NoSettings> kNoSettings{};

enum class ClassRole { DataEntry, Renderer };

// The rows as properties of a class, in the table's order: a renderer has them all.
template <typename C, typename... Rows>
void add_setting_properties(ClassBuilder<C>& c, const std::tuple<Rows...>& rows, ClassRole role) {
  std::apply(
      [&](const auto&... row) {
        ((role == ClassRole::Renderer || row.on == SettingOn::DataAndRenderer
              ? void(c.property(std::string(row.name), row.member))
              : void()),
         ...);
      },
      rows);
}

// The host's settings copied into the renderer, in the table's order.
template <typename Data, typename R, typename... Rows>
void hand_over_settings(const std::tuple<Rows...>& rows, const Data& from, R& to) {
  std::apply(
      [&](const auto&... row) {
        ((row.on == SettingOn::DataAndRenderer ? void(to.*row.member = from.*row.member) : void()),
         ...);
      },
      rows);
}

}  // namespace plot
