#include "ternary_frame.h"

namespace stats {

std::array<double, 2> ternary_point(double first, double second, double third) {
  const double sum = first + second + third;
  return {(0.5 * first + third) / sum, kTernaryHeight * first / sum};
}

Vector clr_inverse(const Vector& clr) {
  const Vector e = clr.array().exp();
  return e / e.sum();
}

}  // namespace stats
