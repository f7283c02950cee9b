#include "numeric/extremum_search.h"

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

double Objective(double x) { return EvaluateOrZero(x); }
double NegatedObjective(double x) { return -EvaluateOrZero(x); }

// One search kind: its line, its counters and what it compares.
struct ExtremumKind {
  SearchKind kind;
  const char* line;
  bool maximum;

  double& LastReported() const { return Numeric().lastReportedExtremum[maximum ? 1 : 0]; }
  SearchCounters& Counters() const { return CountersOf(kind); }
  bool Brackets(double f0, double f1, double f2) const {
    return maximum ? f1 > f0 && f1 > f2 : f1 < f0 && f1 < f2;
  }
};

const ExtremumKind kMinimum{SearchKind::kMinimums, "minimum  x=%.8G   f(x)=%.8G ", false};
const ExtremumKind kMaximum{SearchKind::kMaximums, "maximum  x=%.8G   f(x)=%.8G ", true};

bool NotDuplicate(const ExtremumKind& kind, double x) {
  return std::fabs(x - kind.LastReported()) > 2e-12 * std::fabs(x);
}

void CountAndStore(const ExtremumKind& kind, double x, double fx) {
  Report(kind.line, x, fx);
  ++kind.Counters().found;
  kind.LastReported() = x;
  SearchResults().Store(x, fx);
}

void ReportExtremum(const ExtremumKind& kind, double x, double fx) {
  if (NotDuplicate(kind, x)) CountAndStore(kind, x, fx);
}

void Discontinuity(const ExtremumKind& kind, double from, double to) {
  ReportDiscontinuity(from, to);
  ++kind.Counters().discontinuityWarnings;
}

// A bracket (left, left + h, right) of the grid.
void ExamineBracket(const ExtremumKind& kind, double left, double middle, double right,
                    double tolerance, int32_t maxIterations) {
  double xm = 0.0, gMin = 0.0;
  int32_t status = MINIMIZE_CONVERGED;
  if (!RunRefinement([&] {
        xm = MinimizeBracketed(left, middle, right, kind.maximum ? NegatedObjective : Objective,
                               tolerance, maxIterations, status, gMin);
      }))
    return;
  const double delta = std::max(std::fabs(xm * tolerance), 1e-10);
  int32_t fmStatus = 0, flStatus = 0, frStatus = 0;
  std::string errorText;
  // After a confirmed stop nothing more is evaluated or reported.
  const double fm = EvaluateAt(xm, fmStatus, errorText);
  if (Core().userCancelled) return;
  double fl, fr;
  if (xm - delta > left && xm + delta < right) {
    fl = EvaluateAt(xm - delta, flStatus, errorText);
    if (Core().userCancelled) return;
    fr = EvaluateAt(xm + delta, frStatus, errorText);
    if (Core().userCancelled) return;
  } else {
    fl = fr = fm * 1.00000001;
  }
  const bool fmOk = fmStatus == 0;
  switch (status) {
    case MINIMIZE_CONVERGED:
      if (!fmOk || xm < left || xm > right) {
        Discontinuity(kind, left, right);
      } else if (flStatus != 0 || frStatus != 0 || std::fabs(fl - fm) >= 1e10 * delta ||
                 std::fabs(fr - fm) >= 1e10 * delta) {
        // A suspect extremum: reported after the warning, unless already reported.
        if (NotDuplicate(kind, xm)) {
          Discontinuity(kind, left, right);
          CountAndStore(kind, xm, fm);
        }
      } else {
        ReportExtremum(kind, xm, fm);
      }
      break;
    case MINIMIZE_NEAR:
    case MINIMIZE_FAR:
      if (!fmOk) {
        Discontinuity(kind, left, right);
        break;
      }
      if (status == MINIMIZE_NEAR) {
        Report(
            "Warning: maximum number of iterations\r\nreached before convergence.\r\nResidual "
            "error exceeds tolerance");
        ++kind.Counters().toleranceWarnings;
      } else {
        Report(
            "Warning: Maximum number of iterations\r\nreached before convergence.\r\nPossible "
            "discontinuity of function");
        ++kind.Counters().discontinuityWarnings;
      }
      Report(kind.line, xm, fm);
      kind.LastReported() = xm;
      break;
    default: Discontinuity(kind, left, right); break;
  }
}

double FindExtrema(const ExtremumKind& kind, double lower, double upper, int32_t intervals,
                   int32_t maxIterations, double tolerance) {
  if (!CheckSearchArguments(lower, upper, intervals, 3, maxIterations, tolerance)) return 0.0;
  const double h = (upper - lower) / (intervals + 1);
  Core().userCancelled = 0;
  kind.LastReported() = lower;
  int32_t status = 0;
  std::string errorText;
  // A confirmed stop ends the scan after the evaluation it interrupted.
  double f0 = EvaluateAt(lower, status, errorText);
  bool ok0 = status == 0;
  if (Core().userCancelled) return 1.0;
  double f1 = EvaluateAt(lower + h, status, errorText);
  bool ok1 = status == 0;
  double x = lower + 2 * h;
  for (int32_t i = 0; i < intervals && Core().userCancelled == 0; ++i) {
    const double f2 = EvaluateAt(x, status, errorText);
    const bool ok2 = status == 0;
    if (ok0 && ok1 && ok2 && kind.Brackets(f0, f1, f2))
      ExamineBracket(kind, x - 2 * h, x - h, x, tolerance, maxIterations);
    f0 = f1;
    ok0 = ok1;
    f1 = f2;
    ok1 = ok2;
    x += h;
  }
  return 1.0;
}

}  // namespace

double FindMinimums(double lower, double upper, int32_t intervals, int32_t maxIterations,
                    double tolerance) {
  return FindExtrema(kMinimum, lower, upper, intervals, maxIterations, tolerance);
}

double FindMaximums(double lower, double upper, int32_t intervals, int32_t maxIterations,
                    double tolerance) {
  return FindExtrema(kMaximum, lower, upper, intervals, maxIterations, tolerance);
}

double MinimizeBracketed(double ax, double bx, double cx, double (*g)(double), double tol,
                         int32_t maxIterations, int32_t& status, double& gMin) {
  constexpr double kGolden = 0.381966;
  double a = std::min(ax, cx), b = std::max(ax, cx);
  double x = bx, w = bx, v = bx;
  double fx = g(bx), fw = fx, fv = fx;
  double d = 0.0, e = 0.0;
  bool near = false;
  for (int32_t iter = 1; iter <= maxIterations; ++iter) {
    const double xm = 0.5 * (a + b);
    const double tol1 = tol * std::fabs(x) + 1e-18;
    const double tol2 = 2.0 * tol1;
    if (std::fabs(x - xm) <= tol2 - 0.5 * (b - a)) {
      status = MINIMIZE_CONVERGED;
      gMin = fx;
      return x;
    }
    if (std::fabs(x - xm) <= 1e10 * (tol2 - 0.5 * (b - a)) + 1e-6) near = true;
    bool golden = true;
    if (std::fabs(e) > tol1) {
      double r = (x - w) * (fx - fv);
      double q = (x - v) * (fx - fw);
      double p = (x - v) * q - (x - w) * r;
      q = 2.0 * (q - r);
      if (q > 0) p = -p;
      q = std::fabs(q);
      const double etemp = e;
      e = d;
      if (!(std::fabs(p) >= std::fabs(0.5 * q * etemp) || p <= q * (a - x) || p >= q * (b - x) ||
            std::fabs(q) < 1e-100)) {
        golden = false;
        d = p / q;
        const double u = x + d;
        if (u - a < tol2 || b - u < tol2) d = xm - x >= 0 ? std::fabs(tol1) : -std::fabs(tol1);
      }
    }
    if (golden) {
      e = x >= xm ? a - x : b - x;
      d = kGolden * e;
    }
    const double u =
        std::fabs(d) >= tol1 ? x + d : (d >= 0 ? x + std::fabs(tol1) : x - std::fabs(tol1));
    const double fu = g(u);
    if (fu <= fx) {
      if (u >= x)
        a = x;
      else
        b = x;
      v = w;
      w = x;
      x = u;
      fv = fw;
      fw = fx;
      fx = fu;
    } else {
      if (u < x)
        a = u;
      else
        b = u;
      if (fu <= fw || w == x) {
        v = w;
        w = u;
        fv = fw;
        fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u;
        fv = fu;
      }
    }
  }
  status = near ? MINIMIZE_NEAR : MINIMIZE_FAR;
  gMin = fx;
  return x;
}

}  // namespace tq
