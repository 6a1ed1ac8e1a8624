#pragma once

#include <cstdint>

#include "biplot3d_tables.h"
#include "core/render/kept_records.h"
#include "core/render/renderer.h"
#include "plugins/biplot_family/biplot_records.h"
#include "plugins/biplot_family/biplot_settings.h"

namespace plot {

// The renderer of the 3D biplot: observations and variable rays in space, drawn from the
// tables its Initialize fills from the host's exchange files; the options file sets its settings
// but formes. Passar_Punts is part of the interface only: nothing draws what it keeps.
class COpenGL_Havrel : public RendererOf<PluginKind::Havrel>,
                       public BiplotSettings,
                       public KeptRecords<BiplotRecords3D> {
 public:
  void DrawAxes(int32_t& x, int32_t& y, int32_t& z) override;

  const HavrelTables& tables() const { return tables_; }

 protected:
  // Options, proportions, rays, then the observations when the options ask for them.
  bool load_exchange_data() override;

 private:
  void draw_observations();

  HavrelTables tables_;
};

}  // namespace plot
