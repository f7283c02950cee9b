#include "commands/statistics_menu_commands.h"

#include <cstdint>

#include "commands/inverse_dialogs.h"
#include "commands/statistics_dialogs.h"
#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq {

namespace {

constexpr const char* kNoMatricesForInverse =
    "There are no matrices in the list. You must create matrix before using this function. This "
    "will create inverse matrix. Input matrix must have equal number of rows and columns.";
constexpr const char* kNoMatricesForSystem =
    "There are no matrices in the list. This will solve system of linear equations in the form "
    "A*x=b where A is a matrix and x and b are vectors. You must create matrix A of equation "
    "coefficients before using this function. Matrix must have equal number of rows and columns";
constexpr const char* kNoVectorsForSystem =
    "There are no vectors in the list. This will solve system of linear equations in the form "
    "A*x=b where A is a matrix and x and b are vectors. You must create vector B of equation "
    "right side values before using this function. Number of vector elements must be equal to "
    "the number of rows and columns of matrix.";
constexpr const char* kNoDataVectors =
    "There are no data vectors in the list. You must create data vector before using this "
    "function.";

// A precondition: some object of the kinds in `mask` exists.
bool Require(uint32_t mask, const char* message) {
  if (FindFirstObject(mask)) return true;
  ShowMessage(message);
  return false;
}

}  // namespace

bool MenuInverse() { return Require(OBJMASK_MATRIX, kNoMatricesForInverse) && InverseDialog(); }

bool MenuSolve() {
  return Require(OBJMASK_MATRIX, kNoMatricesForSystem) &&
         Require(OBJMASK_VECTOR, kNoVectorsForSystem) && SolveDialog();
}

bool MenuMoments() { return Require(OBJMASK_VECTOR, kNoDataVectors) && MomentsDialog(); }
bool MenuTTest() { return Require(OBJMASK_VECTOR, kNoDataVectors) && TTestDialog(); }
bool MenuFTest() { return Require(OBJMASK_VECTOR, kNoDataVectors) && FTestDialog(); }
bool MenuChiSquare() { return Require(OBJMASK_VECTOR, kNoDataVectors) && ChiSquareDialog(); }
bool MenuRegression() { return Require(OBJMASK_VECTOR, kNoDataVectors) && RegressionCommand(); }

}  // namespace tq
