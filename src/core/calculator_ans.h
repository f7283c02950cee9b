// The calculator's last answer, "ans": read and written by the calculator,
// passed to programs, exchanged with the unit converter.
#pragma once

namespace tq {

double& CalculatorAns();

}  // namespace tq
