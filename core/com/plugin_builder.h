#pragma once

#include "core/com/plugin_definition.h"
#include "core/com/renderer_members.h"

namespace plot {

// A viewer form whose renderer reads its own data (the 3D plug-ins): parametres takes
// nothing and hands nothing over.
template <typename R>
class SelfLoadingForm : public ViewerForm {
 public:
  SelfLoadingForm() : ViewerForm(profile_of(R::kKind)) {}
  void parametres() {
    ViewerForm::parametres<R>([](R&) {});
  }
};

// The definition every plug-in gives the core: its row of the profile table, its data-entry
// class (members added by `data_members`), its renderer class (common members plus those
// added by `renderer_members`), and its form.
template <typename Data, typename R, typename Form>
PluginDefinition make_plugin_definition(
    PluginKind kind, const std::function<void(ClassBuilder<Data>&)>& data_members,
    const std::function<void(ClassBuilder<R>&)>& renderer_members) {
  const PluginProfile& profile = profile_of(kind);
  ClassBuilder<Data> data{std::string(profile.data_class)};
  data_members(data);
  ClassBuilder<R> renderer{std::string(profile.renderer_class)};
  add_renderer_members(renderer, profile);
  renderer_members(renderer);
  return PluginDefinition{&profile, {data.build(), renderer.build()}, &FormSlot<Form>::existing};
}

}  // namespace plot
