#pragma once

#include <memory>
#include <vector>

#include "core/com/class_table.h"
#include "core/form/viewer_form.h"
#include "core/profile/plugin_profile.h"

namespace plot {

// What each plug-in hands to the core: its profile row, its two classes and its one form.
struct PluginDefinition {
  const PluginProfile* profile;
  std::vector<ClassEntry> classes;
  // The plug-in's viewer form, or nullptr while no mostrar has made it.
  ViewerForm* (*existing_form)();
};

// Defined once in every plug-in.
const PluginDefinition& plugin_definition();

// The plug-in's one form: made by the first mostrar, kept for the life of the plug-in.
template <typename Form>
class FormSlot {
 public:
  static Form& get() {
    if (!slot()) slot() = std::make_unique<Form>();
    return *slot();
  }
  static ViewerForm* existing() { return slot().get(); }

 private:
  static std::unique_ptr<Form>& slot() {
    static std::unique_ptr<Form> form;
    return form;
  }
};

}  // namespace plot
