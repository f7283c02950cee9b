#include "core/calculator_ans.h"

namespace tq {

double& CalculatorAns() {
  static double ans = 0.0;
  return ans;
}

}  // namespace tq
