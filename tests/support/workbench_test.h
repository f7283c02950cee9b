// The one fixture of the tests: a fresh session (every library back to
// program start) over a new document and the scripted port, with helpers
// that put objects into the workspace and read them back, run language
// texts, and keep files in a folder removed after the test.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/math_object.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "support/scripted_ui.h"

namespace tq::testing {

using Lines = std::vector<std::string>;

inline std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

class WorkbenchTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Objects. Each appends to the workspace under `name` and returns the object.
  template <class T>
  T* Put(const std::string& name, std::unique_ptr<T> object) {
    object->name = name;
    T* raw = object.get();
    AddObject(std::move(object));
    return raw;
  }
  // Elements in row order.
  MatrixObject* Matrix(const std::string& name, int rows, int columns,
                       std::initializer_list<double> values);
  // Elements first, first + 1, ... in row order.
  MatrixObject* Matrix(const std::string& name, int rows, int columns, double first = 1.0);
  VectorObject* Vector(const std::string& name, const std::vector<double>& values);
  VariableObject* Variable(const std::string& name, double value);
  FunctionObject* Function(const std::string& name, const std::string& body,
                           int32_t status = STATUS_VALID);
  // The object of any kind of that name (ignoring case), or nullptr.
  template <class T>
  T* Get(const std::string& name) {
    return dynamic_cast<T*>(FindObject(name, OBJMASK_ANY));
  }
  double Value(const std::string& name);
  // The object names in list order.
  Lines Names() const;

  // The operation status.
  std::string Message() const;
  // Expects a refusal (result 0) with exactly this message.
  void Refused(int32_t result, const std::string& message);

  // The language: compile `text`, run it at x (its code lands in `code`).
  int32_t Compile(const std::string& text);
  double Eval(double x = 0.0);
  // Compiles and runs `text` at x, expecting both to succeed.
  double Run(const std::string& text, double x = 0.0);
  // Compiles and runs `text`, expecting a run-time failure; its message.
  std::string RunError(const std::string& text, int32_t expectedCode = -5);
  int32_t code = 0;
  std::string compileMessage, runMessage;

  // Files in a folder of their own, made on first use and removed after the test.
  std::string Path(const std::string& name) const;
  std::string Write(const std::string& name, const std::string& text) const;
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
  std::string ReadText(const std::string& name) const;

  ScriptedUi ui;
  Document document;

 private:
  mutable std::filesystem::path dir_;
};

}  // namespace tq::testing
