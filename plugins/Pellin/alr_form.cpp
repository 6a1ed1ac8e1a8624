#include "alr_form.h"

namespace plot {

void alr::parametres(Vector_Punts_arl& VPt, double centreX, double centreY, Boolean formes,
                     int16_t nGrups, StringArray& coor) {
  ViewerForm::parametres<COpenGL_alr>([&](COpenGL_alr& renderer) {
    renderer.Passar_Punts(VPt, coor);
    renderer.centreX = centreX;
    renderer.centreY = centreY;
    renderer.formes = formes;
    renderer.nGrups = nGrups;
  });
}

}  // namespace plot
