#include "bi_form.h"

namespace plot {

void bi::parametres(Vector_Punts_bi& VPt, Vector_Linies& VLt, Boolean printeixos,
                    Boolean observation, Boolean outlier_mark, Boolean labels, Boolean formes,
                    int16_t nGrups, StringArray& coor) {
  ViewerForm::parametres<COpenGL_biplot>([&](COpenGL_biplot& renderer) {
    renderer.Passar_Punts(VPt, VLt, coor);
    renderer.printeixos = printeixos;
    renderer.observation = observation;
    renderer.outlier_mark = outlier_mark;
    renderer.labels = labels;
    renderer.formes = formes;
    renderer.nGrups = nGrups;
  });
}

}  // namespace plot
