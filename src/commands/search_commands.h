// "Find roots", "Find Minimums", "Find Maximums" and "Calculate integral":
// the dialogs, the function check, the engine run and its summary.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/form_visitor.h"
#include "core/ui_port.h"
#include "numeric/search_state.h"

namespace tq {

// The buttons of the search and integral dialogs that open the function
// dialogs while the dialog stays open.
enum FunctionButton : ButtonId { kNewFunction = kFirstFormButton, kEditFunction };

// The search dialog ("Find roots", "Find Minimums", "Find Maximums").
struct SearchForm : Form {
  static constexpr const char* kFunctionLabel = "Function f(x)";
  static constexpr const char* kLowerLabel = "Lower limit of interval A";
  static constexpr const char* kUpperLabel = "Upper limit of interval B";
  static constexpr const char* kIntervalsLabel = "Number of initial intervals";
  static constexpr const char* kToleranceLabel = "Error tolerance";
  static constexpr const char* kIterationsLabel = "Maximum number of iterations";
  SearchForm() {
    buttons = {{kOkButton, "OK"}, {kCancelButton, "Cancel"}, {kNewFunction, "New"},
               {kEditFunction, "Edit"}};
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  // OK, once the entries pass their checks: the output options and the
  // search follow with the dialog closed.
  bool HidesWhileActing(ButtonId id) const override;
  std::vector<std::string> functions;  // the function list's entries
  std::string function;                // the list's text
  double lower = 0.0;
  double upper = 0.0;
  int32_t intervals = 0;
  double tolerance = 0.0;
  int32_t maxIterations = 0;
};

struct IntegralForm : Form {
  static constexpr const char* kFunctionLabel = "Function f(x)";
  static constexpr const char* kLowerLabel = "Lower limit A";
  static constexpr const char* kUpperLabel = "Upper limit B";
  static constexpr const char* kAbsToleranceLabel = "Maximum absolute error tolerance";
  static constexpr const char* kRelToleranceLabel = "Maximum relative error tolerance";
  IntegralForm() {
    title = "Calculate integral";
    buttons = {{kOkButton, "OK"}, {kCancelButton, "Cancel"}, {kNewFunction, "New"},
               {kEditFunction, "Edit"}};
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  // OK, once the entries pass their checks: the integral is computed with
  // the dialog closed.
  bool HidesWhileActing(ButtonId id) const override;
  std::vector<std::string> functions;
  std::string function;
  double lower = 0.0;
  double upper = 0.0;
  double absTolerance = 0.0;
  double relTolerance = 0.0;
};

// "Output options": whether and where to store the found points.
struct OutputOptionsForm : Form {
  static constexpr const char* kSaveLabel = "Save roots and function values in the output vectors";
  static constexpr const char* kPointsLabel = "Select name for vector of roots R";
  static constexpr const char* kValuesLabel = "Select name for vector of function values f(R)";
  OutputOptionsForm() { title = "Output options"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  bool save = true;
  std::vector<std::string> vectors;  // names of the existing vectors
  std::string pointsName;
  std::string valuesName;
};

// Each returns true when the search or the integral was carried out.
bool SearchCommand(SearchKind kind);
bool IntegralCommand();

}  // namespace tq
