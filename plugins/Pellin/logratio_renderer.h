#pragma once

#include <cstdint>

#include "core/render/kept_records.h"
#include "core/render/renderer.h"
#include "plot_logratio_records.h"
#include "plugins/logratio_family/logratio_records.h"
#include "plugins/logratio_family/logratio_scene.h"
#include "plugins/logratio_family/logratio_settings.h"

namespace plot {

// The renderer of the 2D log-ratio plot: the axes with their names, one mark per observation
// (a dot in its own colour, or the black marker of its group), the group legend and a blue
// mark at the centre of the data.
class COpenGL_alr : public RendererOf<PluginKind::Pellin>,
                    public LogRatioSettings,
                    public KeptRecords<LogRatioRecords<Vector_Punts_arl>> {
 public:
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

 private:
  PointMark observation(int32_t i) const;
};

}  // namespace plot
