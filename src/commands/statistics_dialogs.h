// The dialogs of the Stat menu. Each returns true when the operation was
// carried out.
#pragma once

namespace tq {

bool MomentsDialog();
bool TTestDialog();
bool FTestDialog();
bool ChiSquareDialog();
// "Linear regression multiple variables", then "Linear regression multiple"
// with its "Output options".
bool RegressionCommand();

}  // namespace tq
