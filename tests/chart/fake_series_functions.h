// Stand-ins for the language's function check and evaluation: a function
// object's body names one of a few fixed functions of x.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "chart/series_functions.h"
#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq::testing {

inline constexpr const char* kFakeCheckMessage = "check refused";

// Bodies: "x*x", "1/x" (fails at 0), "cos(x)", "sin(x)", "fail" (always
// fails), "x" ; any other body is refused by the check with its message.
inline void InstallFakeSeriesFunctions(int* evaluations = nullptr) {
  static std::string current;
  SeriesFunctions functions;
  functions.check = [](const std::string& name) -> int32_t {
    auto* function = FindObjectAs<FunctionObject>(name, OBJMASK_FUNCTION);
    const std::string body = function ? function->body : "";
    if (body != "x*x" && body != "1/x" && body != "cos(x)" && body != "sin(x)" && body != "fail" &&
        body != "x") {
      ShowMessage(kFakeCheckMessage);
      return 1;
    }
    current = body;
    return 0;
  };
  functions.evaluate = [evaluations](double x, int32_t& status) -> double {
    if (evaluations) ++*evaluations;
    status = 0;
    if (current == "x*x") return x * x;
    if (current == "cos(x)") return std::cos(x);
    if (current == "sin(x)") return std::sin(x);
    if (current == "x") return x;
    if (current == "1/x" && x != 0) return 1 / x;
    status = -1;
    return x;
  };
  SetSeriesFunctions(functions);
}

}  // namespace tq::testing
