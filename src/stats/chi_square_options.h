// The options that the chi-square test asks for before it computes: what the
// two vectors hold, and the number of constraints.
#pragma once

#include <cstdint>

#include "core/ui_port.h"

namespace tq {

// "Chi-square test options".
struct ChiSquareOptionsForm : Form {
  static constexpr const char* kTitle = "Chi-square test options";
  static constexpr const char* kChoices[2] = {
      "One array contains observed distribution and another contains distribution expected by "
      "some known model",
      "Two arrays contain observed distributions"};
  static constexpr const char* kConstraintsLabel = "Number of constraints";
  static constexpr const char* kNote =
      "If model is normalized to match the observed distribution than it adds one constrain.";
  static constexpr int32_t kMaxConstraints = 5;

  int32_t type = 0;         // 0: observed and expected, 1: both observed
  int32_t constraints = 0;  // the index of the chosen entry "0" .. "5"
};

}  // namespace tq
