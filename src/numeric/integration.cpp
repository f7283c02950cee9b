#include "numeric/integration.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "core/fp_flags.h"
#include "core/operation_status.h"
#include "core/protected_call.h"
#include "core/string_format.h"
#include "core/ui_port.h"
#include "core/user_cancel.h"
#include "lang/function_checks.h"
#include "lang/function_objects.h"
#include "numeric/search_engine.h"
#include "numeric/search_state.h"

namespace tq {

namespace {

double Integrand(double x) {
  Numeric().integrandLastX = x;
  Numeric().inIntegrand = 1;
  int32_t code = 0;
  std::string message;
  const double value = EvaluateFunction(x, &code, message);
  if (uint32_t fault = PendingFpFault(); fault && Status().inProtectedCall == 1)
    throw FaultException{fault};
  if (code != 0 || std::isnan(value)) {
    NumLibError("Arithmetic error in user function");
    return 0.0;
  }
  Numeric().inIntegrand = 0;
  return value;
}

const char* ArgumentFailure(double a, double b, double absTol, double relTol) {
  if (const char* failure = IntervalFailure(a, b)) return failure;
  if (!(absTol >= 1e-100))
    return "Invalid arguments. \nError tolerance must be positive value greater than 1.E-100.";
  if (!(absTol <= 1e10)) return "Invalid arguments. \nError tolerance value is too big.";
  if (!(relTol >= 1e-16))
    return "Invalid arguments. \nError tolerance must be positive value greater than 1.E-16.";
  if (!(relTol <= 1.0)) return "Invalid arguments. \nError tolerance value is too big.";
  return nullptr;
}

// f at a limit of the interval; false with the failure to show.
bool EvaluateLimit(double x, const char* text, IntegralFailure& failure) {
  Numeric().integrandLastX = x;
  int32_t status = 0;
  std::string errorText;
  EvaluateAt(x, status, errorText);
  if (status == 0) return true;
  failure.message = std::string(text) + errorText;
  failure.reportLine = text;
  return false;
}

}  // namespace

int32_t Integrate(double lower, double upper, double absTolerance, double relTolerance,
                  double& result, IntegralFailure& failure) {
  result = 0.0;
  failure = IntegralFailure{};
  if (const char* failure = ArgumentFailure(lower, upper, absTolerance, relTolerance)) {
    SetOperationError(failure);
    return 0;
  }
  Core().userCancelled = 0;
  if (!EvaluateLimit(lower,
                     "Runtime calculation error when computing user function f(x)\nat the lower "
                     "limit of interval x=A\n",
                     failure) ||
      !EvaluateLimit(upper,
                     "Runtime calculation error when computing user function f(x)\nat the upper "
                     "limit of interval x=B\n",
                     failure))
    return 0;

  Numeric().inIntegrand = 0;
  Quanc8Result q;
  RunProtected([&] {
    q = Quanc8(lower, upper, absTolerance, relTolerance, Integrand);
    return 1;
  });
  if (Status().flags != 0) {
    RecordOperationFailure("Calculation failed");
    const size_t length = std::strlen(Status().message);
    if (length >= 2 && length <= 999) {
      std::string head =
          Numeric().inIntegrand == 1
              ? StringPrintf("Runtime calculation error in user \r\nfunction f(x) when x=%G\n",
                             Numeric().integrandLastX)
              : StringPrintf("Runtime calculation error when x=%G\n", Numeric().integrandLastX);
      failure.message = head + Status().message;
    } else {
      failure.message =
          "Error: Unable to perform the operation.\r\nFloating point error or not enough "
          "memeory.";
    }
    return 0;
  }

  const double allowed =
      std::max(absTolerance + 1e-12, relTolerance * std::max(std::fabs(q.result), 1e-12));
  if (q.errEst > allowed) Report("Warning: residual error exceeds specified \r\nerror tolerance.");
  Report("integral = %.12G", q.result);
  Report("residual error  < %.12G", q.errEst);
  if (q.flag != 0.0) {
    Report("Warning: calculation result \r\nmay be unreliable.");
    const double fraction = q.flag - std::trunc(q.flag);
    Report("Difficult point  x = %.12G", upper - fraction * (upper - lower));
  }
  result = q.result;
  return 1;
}

}  // namespace tq
