#pragma once

#include <cstdint>

#include "core/render/kept_records.h"
#include "core/render/renderer.h"
#include "plugins/biplot_family/biplot_records.h"
#include "plugins/biplot_family/biplot_settings.h"
#include "plugins/biplot_family/biplot_steps.h"

namespace plot {

// The 2D biplot: observations as dots or marker shapes with outliers marked, their numbers,
// the variables' rays with their names or numbers, and the legends around them.
class COpenGL_biplot : public RendererOf<PluginKind::biplot>,
                       public BiplotSettings,
                       public KeptRecords<BiplotRecords2D> {
 public:
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

 private:
  biplot::ObservationMark observation_at(int32_t i) const;
  biplot::ModelPoint tip_at(int32_t k) const;
};

}  // namespace plot
