#include "cdades_biplot.h"

#include "bi_form.h"
#include "core/com/plugin_definition.h"

namespace plot {

void CDades_biplot::mostrar(Vector_Punts_bi& VPt, Vector_Linies& VLt, StringArray& coor) {
  FormSlot<bi>::get().parametres(VPt, VLt, printeixos, observation, outlier_mark, labels, formes,
                                 nGrups, coor);
}

}  // namespace plot
