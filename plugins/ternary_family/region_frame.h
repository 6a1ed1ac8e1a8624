#pragma once

#include <string>

#include "plugins/ternary_family/ternary_frame.h"

namespace plot {

// The region plots put the two lower names lower than the ternary diagram does, leaving room
// for the caption under the triangle.
inline constexpr VertexLabelPlaces kRegionLabelPlaces{
    .top = {0.45, 0.89, 0}, .left = {-0.1, -0.05, 0}, .right = {1, -0.05, 0}};

// Outline and names, as both region plots draw them first.
void draw_region_frame(Renderer& renderer, const VertexLabels& labels);

// The caption line under the triangle, printed as given.
void draw_region_caption(Renderer& renderer, const std::string& caption);

// The groups' colour legend of the region plots, in 5-pixel dots: only for two groups or more,
// as one group needs no key.
void draw_region_colour_legend(Renderer& renderer, int16_t groups, const StringArray& names);

}  // namespace plot
