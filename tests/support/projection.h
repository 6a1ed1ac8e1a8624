#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "core/profile/plugin_profile.h"

namespace plot::testing {

// Where a model point lands in a viewer of W x H pixels: the plug-in's perspective and eye,
// then the rotations DrawAxes records. Window coordinates, x to the right, y up.
struct WindowPoint {
  double x;
  double y;
};

struct Angles {
  double x = 0, y = 0, z = 0;
};

namespace detail {
using Matrix = std::array<double, 16>;  // column-major, as OpenGL

inline Matrix multiply(const Matrix& a, const Matrix& b) {
  Matrix m{};
  for (int c = 0; c < 4; ++c)
    for (int r = 0; r < 4; ++r)
      for (int k = 0; k < 4; ++k) m[c * 4 + r] += a[k * 4 + r] * b[c * 4 + k];
  return m;
}

inline Matrix rotation(double degrees, double x, double y, double z) {
  const double a = degrees * M_PI / 180.0;
  const double c = std::cos(a);
  const double s = std::sin(a);
  return {x * x * (1 - c) + c,
          y * x * (1 - c) + z * s,
          x * z * (1 - c) - y * s,
          0,
          x * y * (1 - c) - z * s,
          y * y * (1 - c) + c,
          y * z * (1 - c) + x * s,
          0,
          x * z * (1 - c) + y * s,
          y * z * (1 - c) - x * s,
          z * z * (1 - c) + c,
          0,
          0,
          0,
          0,
          1};
}

inline Matrix look_at(const Vec3& eye) {
  double f[3] = {-eye.x, -eye.y, -eye.z};
  const double fl = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
  for (double& v : f) v /= fl;
  const double up[3] = {0, 1, 0};
  double s[3] = {f[1] * up[2] - f[2] * up[1], f[2] * up[0] - f[0] * up[2],
                 f[0] * up[1] - f[1] * up[0]};
  const double sl = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
  for (double& v : s) v /= sl;
  const double u[3] = {s[1] * f[2] - s[2] * f[1], s[2] * f[0] - s[0] * f[2],
                       s[0] * f[1] - s[1] * f[0]};
  Matrix m = {s[0], u[0], -f[0], 0, s[1], u[1], -f[1], 0, s[2], u[2], -f[2], 0, 0, 0, 0, 1};
  const Matrix t = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -eye.x, -eye.y, -eye.z, 1};
  return multiply(m, t);
}

inline Matrix perspective(double fov, double aspect, double near_distance, double far_distance) {
  const double f = 1.0 / std::tan(fov * M_PI / 360.0);
  return {f / aspect,
          0,
          0,
          0,
          0,
          f,
          0,
          0,
          0,
          0,
          (far_distance + near_distance) / (near_distance - far_distance),
          -1,
          0,
          0,
          2 * far_distance * near_distance / (near_distance - far_distance),
          0};
}
}  // namespace detail

inline WindowPoint project(const PluginProfile& profile, double field_of_view, int32_t width,
                           int32_t height, const Vec3& model, const Angles& angles = {}) {
  using namespace detail;
  Matrix m = multiply(perspective(field_of_view, double(width) / double(height), 0.5, 200.0),
                      look_at(profile.eye));
  m = multiply(m, rotation(angles.x, 1, 0, 0));
  m = multiply(m, rotation(angles.y, 0, 1, 0));
  m = multiply(m, rotation(angles.z, 0, 0, 1));
  const double v[4] = {model.x, model.y, model.z, 1};
  double clip[4] = {};
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 4; ++k) clip[r] += m[k * 4 + r] * v[k];
  return {(clip[0] / clip[3] + 1) * width / 2.0, (clip[1] / clip[3] + 1) * height / 2.0};
}

// The viewer's designed client size in pixels.
inline int32_t client_width(const PluginProfile& p) {
  return twips_to_pixels(p.layout.client_width);
}
inline int32_t client_height(const PluginProfile& p) {
  return twips_to_pixels(p.layout.client_height);
}

}  // namespace plot::testing
