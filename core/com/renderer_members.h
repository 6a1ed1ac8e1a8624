#pragma once

#include "core/com/class_table.h"
#include "core/render/renderer.h"

namespace plot {

// The interface members every COpenGL_ class shares, less those its plug-in lacks. Its
// settings (formes, nGrups and the plot's own) come from the plug-in's settings table.
template <typename C>
ClassBuilder<C>& add_renderer_members(ClassBuilder<C>& builder, const PluginProfile& profile) {
  if (profile.exposes_field_of_view) builder.property("m_fieldOfView", &C::m_fieldOfView);
  builder.property("xAngle", &C::xAngle)
      .property("yAngle", &C::yAngle)
      .property("zAngle", &C::zAngle);
  builder.property("xPunt", &C::xPunt).property("yPunt", &C::yPunt);
  builder.property("colorp", &C::colorp)
      .property("colorf", &C::colorf)
      .property("colort", &C::colort);
  builder.method("Initialize", &Renderer::Initialize)
      .method("glPrint", &Renderer::glPrint)
      .method("display", &Renderer::display)
      .method("OnSize", &Renderer::OnSize);
  if (profile.exposes_field_of_view) builder.method("SetViewPort", &Renderer::SetViewPort);
  builder.method("Class_Terminate", &Renderer::Class_Terminate)
      .method("DrawWorld", &Renderer::DrawWorld);
  if (profile.has_markers) builder.method("InitializeForms", &Renderer::InitializeForms);
  builder.method("DrawAxes", &C::DrawAxes);
  return builder;
}

}  // namespace plot
