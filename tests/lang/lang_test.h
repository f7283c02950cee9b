// The fixture of the language tests: a fresh workspace, port and language
// state, and helpers that compile and run a text.
#pragma once

#include <memory>
#include <string>

#include "core/object_list.h"
#include "lang/function_objects.h"
#include "lang/lang_state.h"
#include "support/scripted_ui.h"

namespace tq::testing {

class LangTest : public WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    lang::ResetLanguageState();
  }

  template <class T>
  T* Add(const std::string& name, std::unique_ptr<T> object) {
    object->name = name;
    T* raw = object.get();
    AddObject(std::move(object));
    return raw;
  }
  VariableObject* AddVariable(const std::string& name, double value) {
    return Add(name, std::make_unique<VariableObject>(value));
  }
  FunctionObject* AddFunction(const std::string& name, const std::string& body) {
    return Add(name, std::make_unique<FunctionObject>(body));
  }
  double Value(const char* name) { return FindObjectAs<VariableObject>(name, OBJMASK_VARIABLE)->value; }

  int32_t Compile(const std::string& text) { return CompileFunction(text, compileMessage); }
  double Eval(double x = 0.0) {  // runs the compiled function; its code lands in `code`
    code = 99;
    runMessage.clear();
    return EvaluateFunction(x, &code, runMessage);
  }
  // Compiles and runs `text` at x, expecting both to succeed.
  double Run(const std::string& text, double x = 0.0) {
    EXPECT_EQ(Compile(text), 0) << text << ": " << compileMessage;
    double value = Eval(x);
    EXPECT_EQ(code, 0) << text << ": " << runMessage;
    return value;
  }
  // Compiles and runs `text`, expecting a run-time failure; its message.
  std::string RunError(const std::string& text, int32_t expectedCode = -5) {
    EXPECT_EQ(Compile(text), 0) << text << ": " << compileMessage;
    Eval();
    EXPECT_EQ(code, expectedCode) << text;
    return runMessage;
  }

  int32_t code = 0;
  std::string compileMessage, runMessage;
};

}  // namespace tq::testing
