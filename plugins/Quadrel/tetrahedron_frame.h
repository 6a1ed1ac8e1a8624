#pragma once

namespace plot {

struct Vertex {
  float x, y, z;
};

// Single-precision 2/sqrt 3, sqrt 3/2 and sqrt 3/6: hosts place their points in this frame.
inline constexpr Vertex kA{.x = 0, .y = 0, .z = 0};
inline constexpr Vertex kB{.x = 0, .y = 1.1547005f, .z = 0};
inline constexpr Vertex kC{.x = 0.8660254f, .y = 0.5f, .z = 0};
inline constexpr Vertex kD{.x = 0.28867513f, .y = 0.5f, .z = 1};

}  // namespace plot
