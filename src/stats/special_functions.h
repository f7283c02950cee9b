// The special functions behind the significance tests: log-gamma, the
// regularized incomplete beta function and the regularized upper incomplete
// gamma function. Invalid input and non-convergence raise the
// numerical-library error with the routine's text.
#pragma once

namespace tq {

double StatLogGamma(double x);

// I_x(a, b).
double IncompleteBeta(double a, double b, double x);
// The continued fraction of I_x(a, b) (modified Lentz, 3e-7, 100 steps).
double BetaContinuedFraction(double a, double b, double x);

// Q(a, x) = 1 - P(a, x).
double gammq(double a, double x);
// P(a, x) by its series, and Q(a, x) by its continued fraction.
double gser(double a, double x, double& lnGammaA);
double gcf(double a, double x, double& lnGammaA);

}  // namespace tq
