#pragma once

// Every plug-in as the interface fuzz target drives it: the records its methods take, where
// the host's string pointers lie inside them, and the exchange files the 3D plug-ins read.
#include <cstddef>
#include <cstring>

#include "fuzz/c_interface/c_interface_fuzz_body.h"
#include "plot_biplot_records.h"
#include "plot_exchange_layouts.h"
#include "plot_logratio_records.h"
#include "plot_ternary_records.h"
#include "plot_vorn_records.h"
#include "plot_vornc_records.h"

namespace plot::fuzz {

inline constexpr RecordKind kPellinRecords[] = {
    {.name = PLOT_VECTOR_PUNTS_ARL_NAME, .size = sizeof(Vector_Punts_arl)}};
inline constexpr RecordKind kTernaryRecords[] = {
    {.name = PLOT_VECTOR_PUNTS_NAME, .size = sizeof(Vector_Punts)},
    {.name = PLOT_VECTOR_GRAELLA_NAME, .size = sizeof(Vector_Graella)},
    {.name = PLOT_VECTOR_PUNTS_PC_NAME, .size = sizeof(Vector_Punts_PC)}};
inline constexpr RecordKind kBiplotRecords[] = {
    {.name = PLOT_VECTOR_PUNTS_BI_NAME, .size = sizeof(Vector_Punts_bi)},
    {.name = PLOT_VECTOR_LINIES_NAME,
     .size = sizeof(Vector_Linies),
     .strings_at = offsetof(Vector_Linies, nomeixos),
     .string_count = PLOT_BIPLOT_RAYS}};
inline constexpr RecordKind kHavrelRecords[] = {
    {.name = PLOT_VECTOR_PUNTS_BI_3D_NAME, .size = sizeof(Vector_Punts_bi_3D)},
    {.name = PLOT_VECTOR_LINIES_3D_NAME,
     .size = sizeof(Vector_Linies_3D),
     .strings_at = offsetof(Vector_Linies_3D, nomeixos),
     .string_count = PLOT_BIPLOT_RAYS}};
inline constexpr RecordKind kTorminRecords[] = {
    {.name = PLOT_VECTOR_PUNTS_TORMIN_NAME, .size = sizeof(Vector_Punts_Tormin)}};
inline constexpr RecordKind kVornRecords[] = {
    {.name = PLOT_VECTOR_VORN_NAME, .size = sizeof(Vector_VORN)}};
inline constexpr RecordKind kVorncRecords[] = {{.name = PLOT_VECTOR_PUNTS_VORN_C_NAME,
                                                .size = sizeof(Vector_Punts_VORN_C),
                                                .strings_at = offsetof(Vector_Punts_VORN_C, alpha),
                                                .string_count = 1}};

inline constexpr const char* kHavrelFiles[] = {plot_havrel_options.name,
                                               plot_havrel_proportions.name, plot_havrel_rays.name,
                                               plot_havrel_points.name};
inline constexpr const char* kTorminFiles[] = {plot_tormin_options.name, plot_tormin_data.name};
inline constexpr const char* kQuadrelFiles[] = {plot_quadrel_options.name, plot_quadrel_data.name};

inline constexpr FuzzPlugin kFuzzPlugins[] = {
    {.name = "Pellin", .records = kPellinRecords},
    {.name = "ternary", .records = kTernaryRecords},
    {.name = "biplot", .records = kBiplotRecords},
    {.name = "Havrel", .records = kHavrelRecords, .exchange_files = kHavrelFiles},
    {.name = "Tormin", .records = kTorminRecords, .exchange_files = kTorminFiles},
    {.name = "Quadrel", .records = kTernaryRecords, .exchange_files = kQuadrelFiles},
    {.name = "Vorn", .records = kVornRecords},
    {.name = "Vornc", .records = kVorncRecords}};

// The row of the plug-in linked into this program; nullptr for one the table lacks.
inline const FuzzPlugin* linked_plugin() {
  for (const FuzzPlugin& plugin : kFuzzPlugins)
    if (std::strcmp(plugin.name, plot_plugin_name()) == 0) return &plugin;
  return nullptr;
}

}  // namespace plot::fuzz
