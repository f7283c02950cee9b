// The options dialogs of the statistics commands.
#pragma once

#include <cstdint>
#include <string>

#include "commands/forms.h"
#include "stats/significance_tests.h"

namespace tq {

// "Student's t-test options": three radio buttons giving the type.
struct TTestOptionsForm : Form {
  TTestOptionsForm() { title = kTitle; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  static constexpr const char* kTitle = "Student's t-test options";
  static constexpr const char* kChoices[3] = {
      "Two distributions are assumed to have equal true variance",
      "The distributions have different true variances",
      "Two distributions contain paired samples. Samples are stored in the same order and "
      "vectors contain equal number of samples."};
  int32_t type = 0;  // the index of the chosen radio button
};

// "Chi-square test options": what the two vectors hold, and the number of
// constraints.
struct ChiSquareOptionsForm : Form {
  static constexpr const char* kTitle = "Chi-square test options";
  static constexpr const char* kChoices[2] = {
      "One array contains observed distribution and another contains distribution expected by "
      "some known model",
      "Two arrays contain observed distributions"};
  static constexpr const char* kConstraintsLabel = "Number of constraints";
  static constexpr const char* kNote =
      "If model is normalized to match the observed distribution than it adds one constrain.";
  static constexpr int32_t kMaxConstraints = kMaxChiSquareConstraints;
  ChiSquareOptionsForm() { title = kTitle; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }

  int32_t type = 0;         // 0: observed and expected, 1: both observed
  int32_t constraints = 0;  // the index of the chosen entry "0" .. "5"
};

// "Output options" of the linear regression.
struct RegressionOutputForm : Form {
  RegressionOutputForm() { title = kTitle; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  static constexpr const char* kTitle = "Output options";
  static constexpr const char* kSaveLabel = "Save covariance matrix and residual errors";
  bool saveExtras = true;  // unticking disables the three lists
  NameList covariance;
  NameList residuals;
  NameList predictions;
};

}  // namespace tq
