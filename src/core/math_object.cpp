#include "core/math_object.h"

#include <utility>

#include "core/operation_status.h"

namespace tq {

MathObject::~MathObject() { status = STATUS_DESTROYED; }

VariableObject::VariableObject(double initial) : MathObject(KIND_VARIABLE), value(initial) {
  status = STATUS_VALID;
}

VectorObject::VectorObject(int32_t elementCount, double initial) : MathObject(KIND_VECTOR) {
  if (elementCount < 1 || elementCount > kMaxElements) {
    status = STATUS_ALLOC_FAILED;
    SetAllocationError("invalid vector parameters");
    return;
  }
  if (!elements.Allocate(size_t(elementCount), initial)) {
    status = STATUS_ALLOC_FAILED;
    SetAllocationError("unable allocate vector");
    return;
  }
  size = elementCount;
  status = STATUS_VALID;
}

MatrixObject::MatrixObject(int32_t columnCount, int32_t rowCount, double initial)
    : MathObject(KIND_MATRIX) {
  if (rowCount < 1 || columnCount < 1 || rowCount > kMaxElements ||
      columnCount > kMaxElements || int64_t{rowCount} * columnCount > kMaxElements) {
    status = STATUS_ALLOC_FAILED;
    SetAllocationError("invalid Matrix parameters");
    return;
  }
  if (!elements.Allocate(size_t(rowCount) * size_t(columnCount), initial)) {
    status = STATUS_ALLOC_FAILED;
    SetAllocationError("unable allocate matrix");
    return;
  }
  rows = rowCount;
  columns = columnCount;
  status = STATUS_VALID;
}

FunctionObject::FunctionObject(std::string bodyText)
    : MathObject(KIND_FUNCTION), body(std::move(bodyText)) {
  status = STATUS_VALID;
}

SeriesObject::SeriesObject() : MathObject(KIND_SERIES) { status = STATUS_VALID; }

ChartObject::ChartObject() : MathObject(KIND_CHART) { status = STATUS_VALID; }

ChartObject::~ChartObject() = default;

}  // namespace tq
