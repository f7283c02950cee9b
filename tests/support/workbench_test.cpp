#include "support/workbench_test.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "commands/session.h"
#include "core/element_block.h"
#include "core/operation_status.h"
#include "lang/function_objects.h"

namespace tq::testing {

void WorkbenchTest::SetUp() {
  SetCurrentDocument(&document);
  SetCurrentUi(&ui);
  ResetSession();
}

void WorkbenchTest::TearDown() {
  SetAllocationFailureAfter(-1);
  SetCurrentUi(nullptr);
  SetCurrentDocument(nullptr);
  if (!dir_.empty()) {
    std::error_code ignored;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(dir_, ignored);
  }
}

MatrixObject* WorkbenchTest::Matrix(const std::string& name, int rows, int columns,
                                    std::initializer_list<double> values) {
  auto* m = Put(name, std::make_unique<MatrixObject>(columns, rows, 0.0));
  std::copy(values.begin(), values.end(), m->data());
  return m;
}

MatrixObject* WorkbenchTest::Matrix(const std::string& name, int rows, int columns, double first) {
  auto* m = Put(name, std::make_unique<MatrixObject>(columns, rows, 0.0));
  for (int64_t i = 0; i < m->count(); ++i) m->data()[i] = first + double(i);
  return m;
}

VectorObject* WorkbenchTest::Vector(const std::string& name, const std::vector<double>& values) {
  auto* v = Put(name, std::make_unique<VectorObject>(int32_t(values.size()), 0.0));
  std::copy(values.begin(), values.end(), v->data());
  return v;
}

VariableObject* WorkbenchTest::Variable(const std::string& name, double value) {
  return Put(name, std::make_unique<VariableObject>(value));
}

FunctionObject* WorkbenchTest::Function(const std::string& name, const std::string& body,
                                        int32_t status) {
  auto* f = Put(name, std::make_unique<FunctionObject>(body));
  f->status = status;
  return f;
}

double WorkbenchTest::Value(const std::string& name) {
  return FindObjectAs<VariableObject>(name, OBJMASK_VARIABLE)->value;
}

Lines WorkbenchTest::Names() const {
  Lines names;
  for (const auto& entry : document.objects.entries()) names.push_back(entry->name);
  return names;
}

std::string WorkbenchTest::Message() const { return std::string(OperationMessage()); }

void WorkbenchTest::Refused(int32_t result, const std::string& message) {
  EXPECT_EQ(result, 0) << message;
  EXPECT_EQ(Message(), message);
}

int32_t WorkbenchTest::Compile(const std::string& text) {
  return CompileFunction(text, compileMessage);
}

double WorkbenchTest::Eval(double x) {
  code = 99;
  runMessage.clear();
  return EvaluateFunction(x, &code, runMessage);
}

double WorkbenchTest::Run(const std::string& text, double x) {
  EXPECT_EQ(Compile(text), 0) << text << ": " << compileMessage;
  double value = Eval(x);
  EXPECT_EQ(code, 0) << text << ": " << runMessage;
  return value;
}

std::string WorkbenchTest::RunError(const std::string& text, int32_t expectedCode) {
  EXPECT_EQ(Compile(text), 0) << text << ": " << compileMessage;
  Eval();
  EXPECT_EQ(code, expectedCode) << text;
  return runMessage;
}

std::string WorkbenchTest::Path(const std::string& name) const {
  if (dir_.empty()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tq-test-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
  }
  return (dir_ / name).string();
}

std::string WorkbenchTest::Write(const std::string& name, const std::string& text) const {
  const std::string path = Path(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string WorkbenchTest::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
  return Write(name, std::string(bytes.begin(), bytes.end()));
}

std::string WorkbenchTest::ReadText(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tq::testing
