#pragma once

#include <cstdint>
#include <string>

#include "core/com/plugin_definition.h"
#include "core/form/viewer_form.h"
#include "ternary_renderer.h"

namespace plot {

// The ternary viewer: caption "ternary", the exit button only.
class TD : public ViewerForm {
 public:
  TD() : ViewerForm(profile_of(PluginKind::ternary)) {}

  void parametres(Vector_Punts& VP, Vector_Graella& VG, Vector_Punts_PC& VPC,
                  const std::string& graella, Boolean formes, int16_t nGrups, StringArray& coor) {
    ViewerForm::parametres<COpenGL_TD>([&](COpenGL_TD& r) {
      r.Passar_Punts(VP, VG, VPC, coor);
      r.graella = graella;
      r.formes = formes;
      r.nGrups = nGrups;
    });
  }
};

// The class the host uses: the display flags and mostrar. No logic of its own.
class CDades_Ternary {
 public:
  std::string graella;  // "pc": components; "Error": nothing; anything else: the grid
  Boolean formes;       // marker shapes instead of coloured dots
  int16_t nGrups = 0;   // groups in the legend

  void mostrar(Vector_Punts& VPt, Vector_Graella& VPtg, Vector_Punts_PC& VPCt, StringArray& coor) {
    FormSlot<TD>::get().parametres(VPt, VPtg, VPCt, graella, formes, nGrups, coor);
  }
};

}  // namespace plot
