// The "Inverse Matrix" and "Solve system of linear equations" dialogs. Each
// returns true when the operation was carried out.
#pragma once

namespace tq {

bool InverseDialog();
bool SolveDialog();

}  // namespace tq
