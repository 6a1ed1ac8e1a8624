#pragma once

namespace stats {

// Quantiles (inverse distribution functions) at probability p, from Boost.Math.
double chi_square_quantile(double p, double degrees_of_freedom);
double f_quantile(double p, double numerator_degrees, double denominator_degrees);

}  // namespace stats
