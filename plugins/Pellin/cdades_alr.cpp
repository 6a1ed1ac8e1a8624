#include "cdades_alr.h"

#include "alr_form.h"
#include "core/com/plugin_definition.h"

namespace plot {

void CDades_ALR::mostrar(Vector_Punts_arl& VPt, StringArray& coor) {
  FormSlot<alr>::get().parametres(VPt, centreX, centreY, formes, nGrups, coor);
}

}  // namespace plot
