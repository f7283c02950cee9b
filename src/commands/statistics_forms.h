// The forms of the inverse, linear system and statistics dialogs that the
// shared form structs do not cover.
#pragma once

#include <cstdint>
#include <string>

#include "commands/forms.h"

namespace tq {

// An operation dialog with a static text that explains it (a heading, or
// what the output will hold).
struct ExplainedOperationForm : OperationForm {
  std::string explanation;
};

// "Student's t-test options": three radio buttons giving the type.
struct TTestOptionsForm : Form {
  static constexpr const char* kTitle = "Student's t-test options";
  static constexpr const char* kChoices[3] = {
      "Two distributions are assumed to have equal true variance",
      "The distributions have different true variances",
      "Two distributions contain paired samples. Samples are stored in the same order and "
      "vectors contain equal number of samples."};
  int32_t type = 0;  // the index of the chosen radio button
};

// "Output options" of the linear regression.
struct RegressionOutputForm : Form {
  static constexpr const char* kTitle = "Output options";
  static constexpr const char* kSaveLabel = "Save covariance matrix and residual errors";
  bool saveExtras = true;  // unticking disables the three lists
  NameList covariance;
  NameList residuals;
  NameList predictions;
};

}  // namespace tq
