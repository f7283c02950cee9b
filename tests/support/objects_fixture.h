// Builds the objects of a test in a fresh workspace and checks refusals.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "core/object_list.h"
#include "core/operation_status.h"
#include "support/scripted_ui.h"

namespace tq {

template <class Base>
class ObjectsTestOn : public Base {
 protected:
  template <class T>
  T* Put(const char* name, std::unique_ptr<T> object) {
    object->name = name;
    T* raw = object.get();
    AddObject(std::move(object));
    return raw;
  }
  MatrixObject* Matrix(const char* name, int rows, int columns,
                       std::initializer_list<double> values) {
    auto* m = Put(name, std::make_unique<MatrixObject>(columns, rows, 0.0));
    int64_t i = 0;
    for (double x : values) m->data()[i++] = x;
    return m;
  }
  VectorObject* Vector(const char* name, std::initializer_list<double> values) {
    auto* v = Put(name, std::make_unique<VectorObject>(int32_t(values.size()), 0.0));
    int i = 1;
    for (double x : values) v->at(i++) = x;
    return v;
  }
  template <class T>
  T* Get(const char* name) {
    return dynamic_cast<T*>(FindObject(name, OBJMASK_ANY));
  }
  std::string Message() const { return std::string(OperationMessage()); }
  // Expects a refusal (result 0) with exactly this message.
  void Refused(int32_t result, const std::string& message) {
    EXPECT_EQ(result, 0) << message;
    EXPECT_EQ(Message(), message);
  }
};

using ObjectsTest = ObjectsTestOn<testing::WorkbenchTest>;

}  // namespace tq
