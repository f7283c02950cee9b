#include "numeric/root_finding.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/ui_port.h"
#include "core/user_cancel.h"
#include "lang/function_checks.h"
#include "numeric/search_engine.h"
#include "numeric/search_state.h"

namespace tq {

namespace {

bool SameSign(double u, double v) { return (u > 0 && v > 0) || (u < 0 && v < 0); }

void ReportIterationWarning(double root, double fRoot, double tolerance) {
  SearchCounters& counters = CountersOf(SearchKind::kRoots);
  if (std::fabs(fRoot) >= 1e10 * tolerance) {
    Report(
        "Warning: Maximum number of iterations\r\nreached before convergence.\r\nPossible "
        "discontinuity of function");
    ++counters.discontinuityWarnings;
  } else {
    Report(
        "Warning: maximum number of iterations\r\nreached before convergence.\r\nResidual error "
        "exceeds tolerance");
    ++counters.toleranceWarnings;
  }
  Report("     x=%.8G   f(x)=%.8G ", root, fRoot);
  Numeric().lastReportedRoot = root;
}

void Discontinuity(double from, double to) {
  ReportDiscontinuity(from, to);
  ++CountersOf(SearchKind::kRoots).discontinuityWarnings;
}

}  // namespace

void ReportRoot(double x, double fx) {
  if (!(std::fabs(x - Numeric().lastReportedRoot) > 2e-12 * std::fabs(x))) return;
  Report("root  x=%.8G   f(x)=%.8G ", x, fx);
  ++CountersOf(SearchKind::kRoots).found;
  Numeric().lastReportedRoot = x;
  SearchResults().Store(x, fx);
}

double RefineRoot(double a, double b, double tol, int32_t maxIterations, double& fRoot,
                  int32_t& status) {
  status = REFINE_CONVERGED;
  double fa = EvaluateOrZero(a);
  double fb = EvaluateOrZero(b);
  if (SameSign(fa, fb)) {
    status = REFINE_NO_BRACKET;
    fRoot = 0.0;
    return b;
  }
  double c = b, fc = fb;
  double d = 0.0, e = 0.0;
  int32_t tightened = 0;
  int32_t n = 0;
  for (;;) {
    if (SameSign(fb, fc)) {
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    double tol1 = 2e-21 * std::fabs(b) + 0.5 * tol;
    const double xm = 0.5 * (c - b);
    if (std::fabs(xm) <= tol1) {
      // Met the tolerance: go on a little with one 10^4 times smaller.
      ++tightened;
      tol1 *= 1e-4;
      if (tightened > 10 || std::fabs(xm) <= tol1 || n > maxIterations - 10) break;
    }
    if (std::fabs(fa) < 1e-21) break;
    if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
      double p, q;
      const double s = fb / fa;
      if (std::fabs(a - c) < 1e-21) {
        p = 2.0 * xm * s;
        q = 1.0 - s;
      } else {
        q = fa / fc;
        const double r = fb / fc;
        p = s * (2.0 * xm * q * (q - r) - (b - a) * (r - 1.0));
        q = (q - 1.0) * (r - 1.0) * (s - 1.0);
      }
      if (p > 1e-21) q = -q;
      p = std::fabs(p);
      const double min1 = 3.0 * xm * q - std::fabs(tol1 * q);
      const double min2 = std::fabs(e * q);
      if (2.0 * p < std::min(min1, min2)) {
        e = d;
        d = p / q;
      } else {
        d = xm;
        e = d;
      }
    } else {
      d = xm;
      e = d;
    }
    a = b;
    fa = fb;
    if (std::fabs(d) > tol1)
      b += d;
    else
      b += xm > 0 ? std::fabs(tol1) : -std::fabs(tol1);
    fb = EvaluateOrZero(b);
    ++n;
    if (n >= maxIterations) {
      status = REFINE_ITERATION_LIMIT;
      fRoot = EvaluateOrZero(b);
      return b;
    }
  }
  fRoot = EvaluateOrZero(b);
  return b;
}

double FindRoots(double lower, double upper, int32_t intervals, int32_t maxIterations,
                 double tolerance) {
  if (!CheckSearchArguments(lower, upper, intervals, 2, maxIterations, tolerance)) return 0.0;
  const double h = (upper - lower) / intervals;
  const double gridZero = 0.01 * tolerance;
  Core().userCancelled = 0;
  Numeric().lastReportedRoot = lower - h;

  int32_t status = 0;
  std::string errorText;
  double fPrev = EvaluateAt(lower, status, errorText);
  bool prevOk = status == 0;
  if (prevOk && std::fabs(fPrev) < gridZero) ReportRoot(lower, fPrev);

  double x = lower + h;
  for (int32_t i = 0; i < intervals && Core().userCancelled == 0; ++i) {
    double f = EvaluateAt(x, status, errorText);
    const bool ok = status == 0;
    if (ok && prevOk) {
      if (std::fabs(f) < gridZero && std::fabs(fPrev) > gridZero) ReportRoot(x, f);
      if (f * fPrev < 0) {
        double root = 0.0, fRoot = 0.0;
        int32_t refineStatus = REFINE_CONVERGED;
        const double left = x - h;
        if (RunRefinement([&] {
              root = RefineRoot(left, x, tolerance, maxIterations, fRoot, refineStatus);
            })) {
          if (refineStatus == REFINE_CONVERGED) {
            if (std::fabs(fRoot) < 1e5 * tolerance && left <= root && root <= x)
              ReportRoot(root, fRoot);
            else
              Discontinuity(left, x);
          } else if (refineStatus == REFINE_ITERATION_LIMIT) {
            ReportIterationWarning(root, fRoot, tolerance);
          } else {
            Discontinuity(left, x);
          }
        }
      }
    }
    fPrev = f;
    prevOk = ok;
    x += h;
  }
  return 1.0;
}

}  // namespace tq
