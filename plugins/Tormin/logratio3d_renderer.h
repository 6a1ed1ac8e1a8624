#pragma once

#include <cstdint>
#include <string>

#include "core/com/double_array2.h"
#include "core/errors/fixed_array.h"
#include "core/render/kept_records.h"
#include "core/render/renderer.h"
#include "plot_limits.h"
#include "plot_logratio_records.h"
#include "plugins/logratio_family/logratio_records.h"
#include "plugins/logratio_family/logratio_scene.h"
#include "plugins/logratio_family/logratio_settings.h"

namespace plot {

// The parts of the observations as the data file gives them: rows 1 To 6000, part k in
// column k.
inline constexpr int32_t kTorminRows = PLOT_MAX_3D_OBSERVATIONS;
inline DoubleArray2 tormin_parts_table() {
  return DoubleArray2(1, kTorminRows, 1, 4);
}

// The renderer of the 3D log-ratio plot. It reads its own data from the exchange files, turns
// the four parts of each observation into three log-ratio coordinates, and draws them as the
// 2D plot draws its own, with a third, red axis. Passar_Punts is part of the interface only:
// nothing draws what it keeps.
class COpenGL_alr_3D : public RendererOf<PluginKind::Tormin>,
                       public LogRatioSettings,
                       public KeptRecords<LogRatioRecords<Vector_Punts_Tormin>> {
 public:
  // The additive log-ratios against the fourth part when transformacio is exactly "ALR", else the
  // balances; all three coordinates scaled by one factor so the widest spans at most 1.
  void Calcul_Dades(DoubleArray2& Dades);
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

  int16_t observation_count() const { return nPunts_; }
  int16_t group(int32_t n) const { return grup_(n); }
  Vec3 coordinates(int32_t n) const { return {coordX_(n), coordY_(n), coordZ_(n)}; }

 protected:
  bool load_exchange_data() override;

 private:
  using Coordinates = FixedArray<double, 0, kTorminRows - 1>;

  // From the options file.
  std::string transformacio_;
  int16_t modeDibuix_ = 0;
  FixedArray<std::string, 1, 3> nomsEixos_;
  // From the data file, then Calcul_Dades.
  int16_t nPunts_ = 0;
  FixedArray<int16_t, 0, kTorminRows - 1> grup_;
  Coordinates coordX_;
  Coordinates coordY_;
  Coordinates coordZ_;
};

}  // namespace plot
