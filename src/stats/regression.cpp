#include "stats/regression.h"

#include <cmath>
#include <memory>
#include <new>

#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/protected_call.h"
#include "core/operation_frame.h"
#include "stats/regression_fit.h"

namespace tq {

namespace {

bool Usable(const MathObject* object) { return object && object->status == STATUS_VALID; }

int32_t Fail(const char* text) {
  SetOperationError(text);
  return 0;
}

// The objects a regression creates; each is destroyed unless the list takes it.
struct RegressionOutputs {
  std::unique_ptr<VectorObject> result;
  std::unique_ptr<MatrixObject> covariance;
  std::unique_ptr<VectorObject> residuals;
  std::unique_ptr<VectorObject> predictions;
};

bool CreatedUsable(const MathObject& object) {
  return object.status == STATUS_VALID && Status().flags == 0;
}

// Creates the result (and with saveExtras the three extra objects), tests
// them in the listed order and names them. False when one is not usable.
bool CreateOutputs(int32_t p, int32_t n, bool saveExtras, RegressionOutputs& out,
                   const std::string& destName, const std::string& covName,
                   const std::string& residualsName, const std::string& predictionsName) {
  out.result.reset(new (std::nothrow) VectorObject(RegressionResultSize(p), 0.0));
  if (!out.result) return false;
  if (saveExtras) {
    out.covariance.reset(new (std::nothrow) MatrixObject(p, p, 0.0));
    if (!out.covariance) return false;
    out.residuals.reset(new (std::nothrow) VectorObject(n, 0.0));
    if (!out.residuals) return false;
    out.predictions.reset(new (std::nothrow) VectorObject(n, 0.0));
    if (!out.predictions) return false;
    if (!CreatedUsable(*out.covariance) || !CreatedUsable(*out.residuals) ||
        !CreatedUsable(*out.predictions)) {
      SetOperationError("Unable to create output matrix or vector.\nPossibly not enough memory.");
      return false;
    }
    out.covariance->name = covName;
    out.residuals->name = residualsName;
    out.predictions->name = predictionsName;
  }
  if (!CreatedUsable(*out.result)) {
    SetOperationError(kCreateVectorFailedText);
    return false;
  }
  out.result->name = destName;
  return true;
}

// Replaces the objects of the output names: the result first, then the
// three extra objects.
void StoreOutputs(RegressionOutputs& out, bool saveExtras) {
  DeleteObjectByName(out.result->name);
  AddObject(std::move(out.result));
  if (!saveExtras) return;
  DeleteObjectByName(out.covariance->name);
  DeleteObjectByName(out.residuals->name);
  DeleteObjectByName(out.predictions->name);
  AddObject(std::move(out.covariance));
  AddObject(std::move(out.residuals));
  AddObject(std::move(out.predictions));
}

// With the extra objects, two outputs of the same name would replace one
// another and a result would be lost.
bool OutputNamesDistinct(const std::string* names[4]) {
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      if (NamesEqualIgnoringCase(*names[i], *names[j])) return false;
  return true;
}

bool HasNaN(const VectorObject& v) {
  for (int32_t i = 0; i < v.size; ++i)
    if (std::isnan(v.data()[i])) return true;
  return false;
}

// NaN data would come out as NaN coefficients without any fault: refused
// with the invalid-operation fault, as the other statistics refuse it.
int32_t RefuseNaN() {
  if (Status().inProtectedCall == 1) throw FaultException{FAULT_FLT_INVALID_OPERATION};
  TranslateFault(FAULT_FLT_INVALID_OPERATION);
  return 0;
}

}  // namespace

int32_t LinearRegressionObjects(const VectorObject* const* xObjects, int32_t k,
                                const VectorObject* y, bool withoutConstant, VectorObject* dest,
                                bool saveExtras, MatrixObject* cov, VectorObject* residuals,
                                VectorObject* predictions) {
  if (k < 1) return Fail("Invalid parameter number of vectors X");
  if (!xObjects) return Fail("Invalid pointer to X(i) vectors array");
  for (int32_t i = 0; i < k; ++i) {
    const VectorObject* x = xObjects[i];
    if (!Usable(x)) return Fail("One of the vectors X(i) arguments object is invalid");
    if (x->size < 2)
      return Fail("Vector X is too short. Each distribution must have at least 2 elements.");
    if (x->size != xObjects[0]->size)
      return Fail(
          "Different size of vectors X(i). All vectors X(i) must have equal number of data "
          "elements.");
  }
  const int32_t n = xObjects[0]->size;
  const int32_t p = k + (withoutConstant ? 0 : 1);
  if (!Usable(y)) return Fail("Invalid vector argument Y ");
  if (!Usable(dest)) return Fail("Invalid destination argument");
  if (y->size < 2)
    return Fail(
        "Vector of data samples Y is too short. Each distribution must have at least 2 "
        "elements.");
  if (dest->size < RegressionResultSize(p)) return Fail("Destination vector has to few elements.");
  if (y->size != n)
    return Fail(
        "Different size of vectors X and Y. All vectors X(i) and Y must contain same number of "
        "elements.");
  RegressionExtras extras;
  if (saveExtras) {
    if (!Usable(cov)) return Fail("Invalid covariance matrix argument");
    if (cov->rows != p || cov->columns != p)
      return Fail(
          "Incorrect size of output covariance matrix. Matrix sizes must be equal to number of "
          "paramenters X including constant.");
    if (!Usable(residuals)) return Fail("Invalid residuals vector argument");
    if (residuals->size != n)
      return Fail(
          "Incorrect size of output residuals vector. All vectors X(i) and Y and output "
          "residuals vector must contain same number of elements.");
    if (!Usable(predictions)) return Fail("Invalid predictions argument");
    if (predictions->size != n)
      return Fail(
          "Incorrect size of output predictions vector. All vectors X(i) and Y and output "
          "predictions vector must contain same number of elements.");
    extras = {cov->data(), residuals->data(), predictions->data()};
  }
  if (HasNaN(*y)) return RefuseNaN();
  for (int32_t i = 0; i < k; ++i)
    if (HasNaN(*xObjects[i])) return RefuseNaN();
  RegressionBasis basis;
  basis.withConstant = !withoutConstant;
  for (int32_t i = 0; i < k; ++i) basis.x.push_back(xObjects[i]->data());
  FitMultipleRegression(basis, n, y->data(), dest->data(), extras);
  return 1;
}

int32_t LinearRegression(const std::vector<std::string>* xNames, int32_t k,
                         const std::string& yName, bool withoutConstant,
                         const std::string& destName, bool saveExtras,
                         const std::string& covName, const std::string& residualsName,
                         const std::string& predictionsName) {
  ResetOperationStatus();
  if (!CurrentObjectList()) return Fail("List of objects is corrupted");
  if (!xNames) return Fail("Pointer on list of vectors X(i) is corrupted");
  if (xNames->empty())
    return Fail(" List of vectors X(i) is empty. Please select at least one vector X(i)");
  if (int64_t(xNames->size()) != k)
    return Fail(" Number of vectors X(i) is incorrect. Please select at least one vector X(i)");
  if (!CheckNameLength(yName, "Invalid 2nd vector name") ||
      !CheckNameLength(destName, "Invalid destination vector name"))
    return 0;
  if (saveExtras) {
    if (!CheckNameLength(covName, "Invalid covariance matrix name") ||
        !CheckNameLength(residualsName, "Invalid residuals vector name") ||
        !CheckNameLength(predictionsName, "Invalid predictions vector name"))
      return 0;
    const std::string* outputs[4] = {&destName, &covName, &residualsName, &predictionsName};
    if (!OutputNamesDistinct(outputs))
      return Fail("Output vectors and matrix must have different names.");
  }
  std::vector<const VectorObject*> xObjects;
  for (int32_t i = 0; i < k; ++i) {
    if (size_t(i) >= xNames->size())
      return Fail("Invalid list of X(i) vectors. Program is unable to enumerate positions.");
    auto* x = dynamic_cast<VectorObject*>(FindObject((*xNames)[size_t(i)], OBJMASK_VECTOR));
    if (!x) return Fail("Unable to find X(i) vector with the specified name");
    if (x->status != STATUS_VALID)
      return Fail(
          "Invalid status of one of the X(i) vectors. Last operation on this object has "
          "failed.");
    if (i == 0 && x->size <= 2)
      return Fail(
          "Too few data samples in vectors X(i). Must be more than 2 data samples to do linear "
          "regression.");
    if (i > 0 && x->size != xObjects[0]->size)
      return Fail(
          "Different size of X(i) data vectors. All vectors X(i) must contain same number of "
          "data samples.");
    xObjects.push_back(x);
  }
  auto* y = FindArgument<VectorObject>(yName, OBJMASK_VECTOR,
                                       "Unable to find 2nd source vector with the specified name");
  if (!y) return 0;
  if (!CheckValid(*y, "Invalid status of 2nd argument. Last operation on this object has failed."))
    return 0;
  const int32_t n = xObjects[0]->size;
  if (y->size != n)
    return Fail(
        "Different size of X and Y data vectors. All vectors X(i) and vector Y must contain "
        "same number of data samples.");

  const int32_t p = k + (withoutConstant ? 0 : 1);
  RegressionOutputs out;
  if (!CreateOutputs(p, n, saveExtras, out, destName, covName, residualsName, predictionsName))
    return 0;
  int32_t ok = RunProtected([&] {
    return LinearRegressionObjects(xObjects.data(), k, y, withoutConstant, out.result.get(),
                                   saveExtras, out.covariance.get(), out.residuals.get(),
                                   out.predictions.get());
  });
  if (ok == 1 && Status().flags == 0) {
    StoreOutputs(out, saveExtras);
    return 1;
  }
  RecordOperationFailure("Operation failed");
  return 0;
}

}  // namespace tq
