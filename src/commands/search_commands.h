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

// The search dialog; also the integral dialog, which has no intervals or
// iterations but two tolerances.
struct SearchForm : Form {
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::vector<std::string> functions;  // the function list's entries
  std::string function;                // the list's text
  double lower = 0.0;
  double upper = 0.0;
  int32_t intervals = 0;
  double tolerance = 0.0;
  int32_t maxIterations = 0;
};

struct IntegralForm : Form {
  IntegralForm() { title = "Calculate integral"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::vector<std::string> functions;
  std::string function;
  double lower = 0.0;
  double upper = 0.0;
  double absTolerance = 0.0;
  double relTolerance = 0.0;
};

// "Output options": whether and where to store the found points.
struct OutputOptionsForm : Form {
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
