#include "core/com/plugin_builder.h"

namespace plot {

class COpenGL_TD : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::ternary;
  COpenGL_TD() : Renderer(profile_of(kKind)) {}
  std::string graella;
};

class TD : public ViewerForm {
 public:
  TD() : ViewerForm(profile_of(PluginKind::ternary)) {}
  // FIXME: the point, grid and component records arrive with the ternary drawing.
  void parametres(const std::string& graella, Boolean formes, int16_t nGrups) {
    ViewerForm::parametres<COpenGL_TD>([&](COpenGL_TD& r) {
      r.graella = graella;
      r.formes = formes;
      r.nGrups = nGrups;
    });
  }
};

class CDades_Ternary {
 public:
  std::string graella;
  Boolean formes;
  int16_t nGrups = 0;
  void mostrar() { FormSlot<TD>::get().parametres(graella, formes, nGrups); }
};

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = make_plugin_definition<CDades_Ternary, COpenGL_TD, TD>(
      PluginKind::ternary,
      [](auto& c) {
        c.property("graella", &CDades_Ternary::graella)
            .property("formes", &CDades_Ternary::formes)
            .property("nGrups", &CDades_Ternary::nGrups)
            .method("mostrar", &CDades_Ternary::mostrar);
      },
      [](auto& c) { c.property("graella", &COpenGL_TD::graella); });
  return definition;
}

}  // namespace plot
