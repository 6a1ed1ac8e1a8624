#include "quantiles.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>

namespace stats {

double chi_square_quantile(double p, double degrees_of_freedom) {
  return boost::math::quantile(boost::math::chi_squared(degrees_of_freedom), p);
}

double f_quantile(double p, double numerator_degrees, double denominator_degrees) {
  return boost::math::quantile(boost::math::fisher_f(numerator_degrees, denominator_degrees), p);
}

}  // namespace stats
