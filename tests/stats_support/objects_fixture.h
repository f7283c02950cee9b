// Builds the vectors and matrices of a test in a fresh workspace.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "core/object_list.h"
#include "core/operation_status.h"
#include "support/scripted_ui.h"

namespace tq {

class ObjectsTest : public testing::WorkbenchTest {
 protected:
  MatrixObject* Matrix(const char* name, int rows, int columns,
                       std::initializer_list<double> values) {
    auto m = std::make_unique<MatrixObject>(columns, rows, 0.0);
    int64_t i = 0;
    for (double x : values) m->data()[i++] = x;
    m->name = name;
    MatrixObject* raw = m.get();
    AddObject(std::move(m));
    return raw;
  }
  VectorObject* Vector(const char* name, std::initializer_list<double> values) {
    auto v = std::make_unique<VectorObject>(int32_t(values.size()), 0.0);
    int i = 1;
    for (double x : values) v->at(i++) = x;
    v->name = name;
    VectorObject* raw = v.get();
    AddObject(std::move(v));
    return raw;
  }
  template <class T>
  T* Get(const char* name) {
    return dynamic_cast<T*>(FindObject(name, OBJMASK_ANY));
  }
  std::string Message() const { return std::string(OperationMessage()); }
};

}  // namespace tq
