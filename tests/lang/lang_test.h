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

  VariableObject* AddVariable(const std::string& name, double value) {
    auto variable = std::make_unique<VariableObject>(value);
    variable->name = name;
    VariableObject* raw = variable.get();
    AddObject(std::move(variable));
    return raw;
  }

  FunctionObject* AddFunction(const std::string& name, const std::string& body) {
    auto function = std::make_unique<FunctionObject>(body);
    function->name = name;
    FunctionObject* raw = function.get();
    AddObject(std::move(function));
    return raw;
  }

  // Compiles `text`; the result of CompileFunction.
  int32_t Compile(const std::string& text) { return CompileFunction(text, compileMessage); }

  // Compiles and runs `text` at x, expecting both to succeed.
  double Run(const std::string& text, double x = 0.0) {
    EXPECT_EQ(Compile(text), 0) << text << ": " << compileMessage;
    int32_t code = 99;
    double value = EvaluateFunction(x, &code, runMessage);
    EXPECT_EQ(code, 0) << text << ": " << runMessage;
    return value;
  }

  // Compiles and runs `text`, expecting a run-time failure; its message.
  std::string RunError(const std::string& text, int32_t expectedCode = -5) {
    EXPECT_EQ(Compile(text), 0) << text << ": " << compileMessage;
    int32_t code = 0;
    runMessage.clear();
    EvaluateFunction(0.0, &code, runMessage);
    EXPECT_EQ(code, expectedCode) << text;
    return runMessage;
  }

  std::string compileMessage;
  std::string runMessage;
};

}  // namespace tq::testing
